#pragma once

#include "controls/MediaBitmap.h"

#include <vector>

namespace controls {

// The source pixels [first, last) of one axis that fall onto one target
// pixel.
struct TSpan {
    int first = 0;
    int last = 0;
};

// Maps `targetCount` target pixels onto `sourceCount` source pixels: each
// target pixel t takes the source pixels from floor(t·S/T) up to
// floor((t+1)·S/T), at least one. Enlarging repeats pixels; reducing
// gives several pixels to combine.
TSpan StretchSpan(int t, int targetCount, int sourceCount);

// Scales `source` of `from` onto `targetRect` of `to` like the platform's
// plain raster stretch: repeated pixels where the target is larger, the
// bitwise AND of the combined pixels where it is smaller, no smoothing.
// The source rectangle is clipped to `from` first; an empty one or an
// empty target rectangle draws nothing.
void StretchDraw(const TMediaBitmap& from, TMediaBitmap& to, TRect targetRect, TRect source);

} // namespace controls
