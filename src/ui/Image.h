#pragma once

#include "ui/Handles.h"
#include "ui/WinControl.h"

#include <functional>

namespace ui {

// A picture drawn unscaled from the top-left corner; what it does not cover
// shows the control's colour. Children drawn transparently (labels) see the
// picture behind them.
class Image : public WinControl {
public:
    Image() = default;

    // Takes ownership of a bitmap (a DIB section or a device bitmap).
    void SetPicture(BitmapHandle picture);
    bool HasPicture() const { return picture_ != nullptr || icon_ != nullptr; }
    // Or an icon, drawn with its transparency over the control's colour.
    void SetIcon(IconHandle icon);

    std::function<void()> OnClick;
    void PaintBackground(HDC dc, const RECT& area) override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    BitmapHandle picture_;
    IconHandle icon_;
};

} // namespace ui
