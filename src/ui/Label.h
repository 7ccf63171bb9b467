#pragma once

#include "ui/WinControl.h"

namespace ui {

// A STATIC window drawn transparently over whatever its parent paints
// behind it; with AutoSize it takes the size of its text.
class Label : public WinControl {
public:
    Label() = default;

    const std::wstring& Caption() const { return Text(); }
    void SetCaption(std::wstring caption);
    bool AutoSize = true;

protected:
    CreateParams GetCreateParams() const override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void AppearanceChanged() override;

private:
    void FitToText();
    void PaintLabel(HDC dc);
};

} // namespace ui
