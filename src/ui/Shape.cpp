#include "ui/Shape.h"

#include "ui/Handles.h"

namespace ui {

void Shape::SetBrushColor(TColor color) {
    brush_ = color;
    Invalidate();
}

void Shape::PaintWindow(HDC dc, const RECT&) {
    BrushHandle brush(CreateSolidBrush(ColorToRgb(brush_)));
    PenHandle pen(CreatePen(PS_SOLID, 1, ColorToRgb(PenColor)));
    SelectObjectScope selectBrush(dc, brush.get());
    SelectObjectScope selectPen(dc, pen.get());
    Rectangle(dc, 0, 0, ClientWidth(), ClientHeight());
}

} // namespace ui
