#include "controls/reference/PixelReference.h"

#include "controls/LinearGradient.h"
#include "controls/Numeric.h"

#include <algorithm>
#include <cmath>

namespace controls::reference {

namespace {

bool Inside(const TRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

// floor(i · S / T) computed exactly.
int Scaled(int i, int sourceCount, int targetCount) {
    return static_cast<int>(std::floor(static_cast<long double>(i) * sourceCount / targetCount));
}

} // namespace

void StretchDraw(const TMediaBitmap& from, TMediaBitmap& to, TRect targetRect, TRect source) {
    source = Intersect(source, from.Bounds());
    if (source.IsEmpty() || targetRect.IsEmpty())
        return;
    int tw = targetRect.Width();
    int th = targetRect.Height();
    for (int y = 0; y < to.Height(); ++y) {
        for (int x = 0; x < to.Width(); ++x) {
            if (!Inside(targetRect, x, y))
                continue;
            int tx = x - targetRect.left;
            int ty = y - targetRect.top;
            int x0 = Scaled(tx, source.Width(), tw);
            int x1 = std::max(x0 + 1, Scaled(tx + 1, source.Width(), tw));
            int y0 = Scaled(ty, source.Height(), th);
            int y1 = std::max(y0 + 1, Scaled(ty + 1, source.Height(), th));
            TPixel pixel = 0xFFFFFFFFu;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx)
                    pixel &= from.Pixel(source.left + sx, source.top + sy);
            to.SetPixel(x, y, from.Compose(pixel, to.Pixel(x, y)));
        }
    }
}

void TileDraw(const TMediaBitmap& from, TMediaBitmap& to, TRect targetRect, TRect source) {
    source = Intersect(source, from.Bounds());
    if (source.IsEmpty())
        return;
    for (int y = 0; y < to.Height(); ++y) {
        for (int x = 0; x < to.Width(); ++x) {
            if (!Inside(targetRect, x, y))
                continue;
            TPixel pixel = from.Pixel(source.left + (x - targetRect.left) % source.Width(),
                                      source.top + (y - targetRect.top) % source.Height());
            to.SetPixel(x, y, from.Compose(pixel, to.Pixel(x, y)));
        }
    }
}

void DrawRadialGradient(TMediaBitmap& target, TRect rect, TColor from, TPoint centrePercent, TColor to) {
    TRect r = Intersect(rect, target.Bounds());
    if (r.IsEmpty())
        return;
    int extent = std::max(r.Width(), r.Height());
    long double cx = r.left + RoundHalfEven(static_cast<long double>(r.Width()) * centrePercent.x / 100);
    long double cy = r.top + RoundHalfEven(static_cast<long double>(r.Height()) * centrePercent.y / 100);
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            // The smallest disc that holds the pixel's centre paints it last.
            long double dx = x + 0.5L - cx;
            long double dy = y + 0.5L - cy;
            for (int k = 0; k <= 50; ++k) {
                long double radius = MulDiv(k + 1, extent, 50);
                if (dx * dx + dy * dy <= radius * radius) {
                    target.SetPixel(x, y, GradientPixel(k, 50, ColorToPixel(from), ColorToPixel(to)));
                    break;
                }
            }
        }
    }
}

} // namespace controls::reference
