#pragma once

#include "controls/MediaBitmapList.h"

namespace genbitmaps {

// Fills `list` with the player's three bitmaps: "01.bmp" (9 x 8),
// "02.bmp" (9 x 7, the fill of the progress bars) and "ball2.bmp"
// (11 x 11).
void BuildProgramBitmaps(controls::TMediaBitmapList& list);

} // namespace genbitmaps
