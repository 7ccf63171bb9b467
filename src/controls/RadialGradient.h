#pragma once

#include "controls/MediaBitmap.h"

namespace controls {

// A disc of pixels: those whose centre lies within diameter/2 of (cx, cy),
// the pixel (x, y) covering [x, x + 1) × [y, y + 1).
struct TDisc {
    int cx = 0;
    int cy = 0;
    int diameter = 0;
};

// The columns [first, last) of row `y` inside the disc (empty when
// first >= last).
void DiscRowSpan(const TDisc& disc, int y, int& first, int& last);

// Paints 51 concentric discs into `rect` (clamped to the buffer), from the
// largest in `to` to the smallest in `from`, centred at the given percent
// of the rectangle.
void DrawRadialGradient(TMediaBitmap& target, TRect rect, TColor from, TPoint centrePercent, TColor to);

} // namespace controls
