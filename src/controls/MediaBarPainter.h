#pragma once

#include "controls/MediaBackground.h"
#include "controls/MediaBorder.h"
#include "controls/ProgressRange.h"

namespace controls {

// The picture of a media progress bar: a fill and a frame over the whole
// bar, and another fill and frame over the part that the position fills.
class TMediaBarPainter {
public:
    TMediaBackground& Background() { return background_; }
    TMediaBorder& Border() { return border_; }
    TMediaBackground& ProgressBackground() { return progressBackground_; }
    TMediaBorder& ProgressBorder() { return progressBorder_; }

    void DrawBackground(TMediaBitmap& buffer, int width, int height) const;
    // Nothing at all while the filled part is empty.
    void DrawProgress(TMediaBitmap& buffer, const TProgressRange& range, int width, int height) const;

private:
    TMediaBackground background_;
    TMediaBorder border_;
    TMediaBackground progressBackground_;
    TMediaBorder progressBorder_;
};

} // namespace controls
