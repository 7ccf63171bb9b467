#include "ui/FlatPanel.h"

#include "ui/Handles.h"

namespace ui {

void FlatPanel::PaintWindow(HDC dc, const RECT& dirty) {
    PaintBackground(dc, dirty);
    int w = ClientWidth(), h = ClientHeight();
    BrushHandle light(CreateSolidBrush(ColorToRgb(BorderHighlight)));
    BrushHandle shadow(CreateSolidBrush(ColorToRgb(BorderShadow)));
    RECT top{0, 0, w, 1}, left{0, 0, 1, h}, bottom{0, h - 1, w, h}, right{w - 1, 0, w, h};
    FillRect(dc, &top, light.get());
    FillRect(dc, &left, light.get());
    FillRect(dc, &bottom, shadow.get());
    FillRect(dc, &right, shadow.get());
}

} // namespace ui
