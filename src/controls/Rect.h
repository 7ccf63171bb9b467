#pragma once

#include <algorithm>

namespace controls {

// A rectangle of pixels: left and top inside, right and bottom outside.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool operator==(const TRect&) const = default;
};

constexpr TRect Intersect(const TRect& a, const TRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

constexpr TRect Inflate(const TRect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

struct TPoint {
    int x = 0;
    int y = 0;
};

} // namespace controls
