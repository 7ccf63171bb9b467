#pragma once

#include "ui/WinControl.h"

namespace ui {

// A group's caption on a line across its top; the group's controls are its
// children. The caption takes the font's colour.
class GroupBox : public WinControl {
public:
    GroupBox() = default;

protected:
    void PaintWindow(HDC dc, const RECT& dirty) override;
};

} // namespace ui
