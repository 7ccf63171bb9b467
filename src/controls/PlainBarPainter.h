#pragma once

#include "controls/Color.h"
#include "controls/MediaBitmap.h"
#include "controls/ProgressRange.h"

namespace controls {

// The picture of the generic progress bar, which the media bar replaces: a
// sunken one-pixel frame around a `color` fill, and the filled part in the
// highlight colour, whole when Smooth, else in blocks with 2-pixel gaps.
class TPlainBarPainter {
public:
    static void DrawBackground(TMediaBitmap& buffer, const TProgressRange& range, int width, int height,
                               TColor color);
    static void DrawProgress(TMediaBitmap& buffer, const TProgressRange& range, int width, int height);
};

} // namespace controls
