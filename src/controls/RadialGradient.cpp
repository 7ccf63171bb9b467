#include "controls/RadialGradient.h"

#include "controls/LinearGradient.h"
#include "controls/Numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace controls {

namespace {

// Largest s with s*s <= value (value >= 0).
int64_t IntegerSqrt(int64_t value) {
    auto root = static_cast<int64_t>(std::sqrt(static_cast<long double>(value)));
    while (root * root > value)
        --root;
    while ((root + 1) * (root + 1) <= value)
        ++root;
    return root;
}

int64_t FloorDiv2(int64_t value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

} // namespace

void DiscRowSpan(const TDisc& disc, int y, int& first, int& last) {
    // Pixel (x, y) is inside when (2x + 1 − 2cx)² + (2y + 1 − 2cy)² ≤ d².
    int64_t d = disc.diameter;
    int64_t dy = 2 * static_cast<int64_t>(y) + 1 - 2 * static_cast<int64_t>(disc.cy);
    int64_t room = d * d - dy * dy;
    if (room < 0) {
        first = last = 0;
        return;
    }
    int64_t half = IntegerSqrt(room);
    int64_t cx2 = 2 * static_cast<int64_t>(disc.cx);
    // |2x + 1 − 2cx| ≤ half  ⇔  (2cx − 1 − half)/2 ≤ x ≤ (2cx − 1 + half)/2.
    first = static_cast<int>(-FloorDiv2(-(cx2 - 1 - half)));
    last = static_cast<int>(FloorDiv2(cx2 - 1 + half) + 1);
}

void DrawRadialGradient(TMediaBitmap& target, TRect rect, TColor from, TPoint centrePercent, TColor to) {
    TRect r = Intersect(rect, target.Bounds());
    if (r.IsEmpty())
        return;
    int extent = std::max(r.Width(), r.Height());
    int cx =
        r.left + static_cast<int>(RoundHalfEven(static_cast<long double>(r.Width()) * centrePercent.x / 100));
    int cy =
        r.top + static_cast<int>(RoundHalfEven(static_cast<long double>(r.Height()) * centrePercent.y / 100));
    TPixel a = ColorToPixel(from);
    TPixel b = ColorToPixel(to);
    for (int k = 50; k >= 0; --k) {
        TPixel pixel = GradientPixel(k, 50, a, b);
        TDisc disc{cx, cy, 2 * MulDiv(k + 1, extent, 50)};
        for (int y = r.top; y < r.bottom; ++y) {
            int first = 0;
            int last = 0;
            DiscRowSpan(disc, y, first, last);
            target.FillPixels({std::max(first, r.left), y, std::min(last, r.right), y + 1}, pixel);
        }
    }
}

} // namespace controls
