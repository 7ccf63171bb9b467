#pragma once

#include "ui/Panel.h"

namespace ui {

// A page whose frame is a flat line: light above and left, shadow below
// and right.
class FlatPanel : public Panel {
public:
    FlatPanel() = default;

    TColor BorderHighlight = clWhite;
    TColor BorderShadow = clBtnShadow;

protected:
    void PaintWindow(HDC dc, const RECT& dirty) override;
};

} // namespace ui
