#include "controls/FillCache.h"

#include <algorithm>

namespace controls {

namespace {

int Grown(int current, int wanted) {
    return std::max(current, (wanted / TFillCache::kStep + 1) * TFillCache::kStep);
}

std::array<TPixel, 3> Shown(const TFillColors& colors) {
    return {ColorToPixel(colors.normal), ColorToPixel(colors.dark), ColorToPixel(colors.light)};
}

} // namespace

TPoint TFillCache::SizeFor(TPoint current, TPoint control, bool exactSize) {
    if (exactSize)
        return control;
    if (current.x >= control.x && current.y >= control.y)
        return current;
    return {Grown(current.x, control.x), Grown(current.y, control.y)};
}

TMediaBitmap& TFillCache::Update(TPoint control, const TFillEntry& fill, const TFillColors& colors,
                                 const TMediaBitmap* bitmap) {
    if (control.x <= 0 || control.y <= 0)
        return picture_;
    TPoint size = SizeFor({picture_.Width(), picture_.Height()}, control, fill.exactSize);
    std::array<TPixel, 3> shown = Shown(colors);
    if (!dirty_ && shown == shown_ && size.x == picture_.Width() && size.y == picture_.Height())
        return picture_;
    picture_.SetSize(size.x, size.y);
    DrawFill(fill, picture_, picture_.Bounds(), colors, bitmap);
    shown_ = shown;
    dirty_ = false;
    return picture_;
}

} // namespace controls
