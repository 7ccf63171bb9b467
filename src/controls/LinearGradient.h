#pragma once

#include "controls/MediaBitmap.h"

#include <vector>

namespace controls {

// One band of a linear gradient: offsets [start, end) along the gradient's
// axis and the band's pixel.
struct TGradientBand {
    int start = 0;
    int end = 0;
    TPixel pixel = 0;
};

// The n + 1 bands of a gradient over `extent` pixels (n = min(255, extent)),
// band i spanning MulDiv(i, extent, n) .. MulDiv(i + 1, extent, n) with the
// colour i/n of the way from `from` to `to`. The last band starts at
// `extent`, so the end colour itself is never painted.
std::vector<TGradientBand> LinearGradientBands(int extent, TColor from, TColor to);

// Paints `rect` (clamped to the buffer) with the bands of a gradient that
// runs top to bottom when `vertical`, left to right otherwise.
void DrawLinearGradient(TMediaBitmap& target, TRect rect, TColor from, TColor to, bool vertical);

// Channel of step `step` out of `steps` from `from` to `to` (both 0..255):
// Round((step × (to×255 − from×255) / steps + from×255) / 255) in extended
// precision, ties to even, clamped to 0..255.
uint8_t GradientChannel(int step, int steps, int from, int to);

// GradientChannel for each channel of two resolved pixels.
TPixel GradientPixel(int step, int steps, TPixel from, TPixel to);

} // namespace controls
