#pragma once

#include "controls/MediaBarPainter.h"
#include "controls/MediaBitmapList.h"

namespace controls {

// The values of one of the main window's media bars that differ from the
// bar's defaults.
struct TMediaBarSetup {
    int width = 0;
    int height = 0;
    bool transparent = true;
    int blendValue = 150;
    int max = 100;
    int position = 0;
    bool showBorder = true;
};

// The playback progress bar below the movie.
TMediaBarSetup MediaProgressBar1Setup();
// The volume level bar above the volume buttons.
TMediaBarSetup MediaProgressBar2Setup();

// The styles both bars share: a white to sky-blue gradient under the
// stretched "02.bmp" (bitmap 1 of `bitmaps`), no visible frames.
void SetUpMediaBarStyles(TMediaBarPainter& painter, const TMediaBitmapList* bitmaps);

} // namespace controls
