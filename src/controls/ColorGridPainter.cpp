#include "controls/ColorGridPainter.h"

#include "controls/ColorPalette.h"
#include "controls/FrameStyle.h"

namespace controls {

void PaintPlainCellState(TMediaBitmap& target, TRect cell, TCellState state) {
    bool selected = state == TCellState::Selected;
    target.FillRect(cell, selected ? clWindow : clBtnFace);
    DrawOutline(target, cell, selected ? clHighlight : clBtnShadow);
}

void PaintColorGrid(TMediaBitmap& target, const TColorGridLayout& layout, const TColorPickerState& state,
                    TRect client, TColor background, const TCellStatePainter& statePainter) {
    target.FillRect(client, background);
    auto palette = Palette();
    for (int item = 0; item < layout.ItemCount(); ++item) {
        TRect cell = layout.Cell(item);
        if (item == state.Selected())
            statePainter(target, cell, TCellState::Selected);
        else if (item == state.Hover())
            statePainter(target, cell, TCellState::Hot);
        DrawOutline(target, Inflate(cell, -3), clBtnShadow);
        target.FillRect(Inflate(cell, -4), palette[item].color);
    }
}

} // namespace controls
