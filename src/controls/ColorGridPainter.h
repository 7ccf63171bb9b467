#pragma once

#include "controls/ColorGridLayout.h"
#include "controls/ColorPickerState.h"
#include "controls/MediaBitmap.h"

#include <functional>

namespace controls {

enum class TCellState { Hot, Selected };

// Paints the look of a hot or selected cell; the swatch goes over it later.
using TCellStatePainter = std::function<void(TMediaBitmap&, TRect cell, TCellState)>;

// The plain look: a selected cell is window-coloured with a highlight
// outline, a hot one button-coloured with a shadow outline.
void PaintPlainCellState(TMediaBitmap& target, TRect cell, TCellState state);

// Paints the swatches of the layout over `background` (the client area),
// marking the selected and the hovered cell.
void PaintColorGrid(TMediaBitmap& target, const TColorGridLayout& layout, const TColorPickerState& state,
                    TRect client, TColor background, const TCellStatePainter& statePainter);

} // namespace controls
