#pragma once

#include "controls/ColorPickerState.h"
#include "controls/Rect.h"

namespace controls {

// Where the picker's items lie: the painted cells inside the frame, and the
// hit grid, which starts at the control's corner rather than the frame's
// inside. Clicking a swatch therefore always hits it, while the inset strip
// on the left and top belongs to the first column and row.
class TColorGridLayout {
public:
    // size: the control's; client: the inside of its frame.
    TColorGridLayout(TPoint size, TRect client, TPickerSections sections, int fontHeight);

    // The control size that fits the grid, for a frame of the given inset.
    static TPoint AutoSize(TPoint inset, TPickerSections sections, int fontHeight);

    // Painted cells, for the items 0..69.
    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    TRect Cell(int item) const;
    // Items painted: the grid, and the system colours when shown.
    int ItemCount() const;

    int HitTest(TPoint at) const;
    // The hit grid's cell of an item 0..69.
    TRect HitCell(int item) const;

private:
    // The height of the sections above the grid.
    int Above() const;
    int SeparatorAbove(int row) const;
    int HitSwatch(int x, int y) const;
    int HitBelowGrid(int x, int y) const;
    int HitSystemColor(int x, int y) const;

    TPoint size_;
    TRect client_;
    TPickerSections sections_;
    int fontHeight_;
    int cellWidth_;
    int cellHeight_;
    int hitWidth_;
    int hitHeight_;
};

} // namespace controls
