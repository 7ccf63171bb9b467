#include "controls/Stretch.h"

#include <cstdint>

namespace controls {

TSpan StretchSpan(int t, int targetCount, int sourceCount) {
    auto at = [&](int i) { return static_cast<int>(static_cast<int64_t>(i) * sourceCount / targetCount); };
    int first = at(t);
    return {first, std::max(first + 1, at(t + 1))};
}

namespace {

std::vector<TSpan> AxisSpans(int visibleFirst, int visibleLast, int targetStart, int targetCount,
                             int sourceStart, int sourceCount) {
    std::vector<TSpan> spans;
    spans.reserve(static_cast<size_t>(visibleLast - visibleFirst));
    for (int t = visibleFirst; t < visibleLast; ++t) {
        TSpan span = StretchSpan(t - targetStart, targetCount, sourceCount);
        spans.push_back({span.first + sourceStart, span.last + sourceStart});
    }
    return spans;
}

} // namespace

void StretchDraw(const TMediaBitmap& from, TMediaBitmap& to, TRect targetRect, TRect source) {
    source = Intersect(source, from.Bounds());
    TRect visible = Intersect(targetRect, to.Bounds());
    if (source.IsEmpty() || targetRect.IsEmpty() || visible.IsEmpty())
        return;
    auto columns = AxisSpans(visible.left, visible.right, targetRect.left, targetRect.Width(), source.left,
                             source.Width());
    auto rows = AxisSpans(visible.top, visible.bottom, targetRect.top, targetRect.Height(), source.top,
                          source.Height());
    // AND the source rows of each target row first, then the columns.
    std::vector<TPixel> combined(static_cast<size_t>(from.Width()));
    for (int y = visible.top; y < visible.bottom; ++y) {
        const TSpan& rowSpan = rows[y - visible.top];
        auto first = from.Row(rowSpan.first);
        std::copy(first.begin() + source.left, first.begin() + source.right, combined.begin() + source.left);
        for (int sy = rowSpan.first + 1; sy < rowSpan.last; ++sy) {
            auto row = from.Row(sy);
            for (int sx = source.left; sx < source.right; ++sx)
                combined[sx] &= row[sx];
        }
        auto dst = to.Row(y);
        for (int x = visible.left; x < visible.right; ++x) {
            const TSpan& column = columns[x - visible.left];
            TPixel pixel = combined[column.first];
            for (int sx = column.first + 1; sx < column.last; ++sx)
                pixel &= combined[sx];
            dst[x] = from.Compose(pixel, dst[x]);
        }
    }
}

} // namespace controls
