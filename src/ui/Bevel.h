#pragma once

#include "ui/WinControl.h"

namespace ui {

// An etched line across the top of its area (a separator).
class Bevel : public WinControl {
public:
    Bevel() = default;

protected:
    void PaintWindow(HDC dc, const RECT& dirty) override;
};

} // namespace ui
