#pragma once

#include "controls/MediaBitmap.h"

namespace controls::reference {

// Slow, obviously correct versions of the fast pixel routines, one target
// pixel at a time, to test the fast ones against on random inputs.

void StretchDraw(const TMediaBitmap& from, TMediaBitmap& to, TRect targetRect, TRect source);
void TileDraw(const TMediaBitmap& from, TMediaBitmap& to, TRect targetRect, TRect source);
void DrawRadialGradient(TMediaBitmap& target, TRect rect, TColor from, TPoint centrePercent, TColor to);

} // namespace controls::reference
