#include "controls/MediaBarPainter.h"

namespace controls {

void TMediaBarPainter::DrawBackground(TMediaBitmap& buffer, int width, int height) const {
    TRect all{0, 0, width, height};
    background_.Draw(buffer, all);
    border_.Draw(buffer, all);
}

void TMediaBarPainter::DrawProgress(TMediaBitmap& buffer, const TProgressRange& range, int width,
                                    int height) const {
    TRect filled = range.FilledRect(width, height);
    if (filled.IsEmpty())
        return;
    progressBackground_.Draw(buffer, filled);
    progressBorder_.Draw(buffer, filled);
}

} // namespace controls
