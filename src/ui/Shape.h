#pragma once

#include "ui/WinControl.h"

namespace ui {

// A rectangle filled with its brush colour and outlined by a pen (a
// colour swatch).
class Shape : public WinControl {
public:
    Shape() = default;

    TColor BrushColor() const { return brush_; }
    void SetBrushColor(TColor color);
    TColor PenColor = clBlack;

protected:
    void PaintWindow(HDC dc, const RECT& dirty) override;

private:
    TColor brush_ = clWhite;
};

} // namespace ui
