#pragma once

#include "ui/Handles.h"
#include "ui/WinControl.h"

namespace ui {

// One line of text over whatever its parent paints behind it, with an
// optional drop shadow and underline. Unlike a system label it keeps the
// mouse: a click on it does not fall through to the control below.
class ShadowLabel : public WinControl {
public:
    ShadowLabel() = default;

    const std::wstring& Caption() const { return Text(); }
    void SetCaption(std::wstring caption) {
        SetText(std::move(caption));
        Invalidate();
    }

    // clNone: no shadow.
    TColor ShadowColor = clNone;
    int ShadowDepth = 2;
    bool Underline = false;

protected:
    void PaintWindow(HDC dc, const RECT& dirty) override;
    // The colour the text is drawn in now.
    virtual TColor TextColor() const { return Font().Color; }

private:
    FontHandle underlined_;
};

} // namespace ui
