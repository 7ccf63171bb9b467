#pragma once

#include "ui/WinControl.h"

namespace ui {

// A plain container window filled with its colour (no bevel).
class Panel : public WinControl {
public:
    Panel() = default;
};

// A control without a window of its own, painted by its parent.
class GraphicControl : public Control {
public:
    GraphicControl() = default;
};

} // namespace ui
