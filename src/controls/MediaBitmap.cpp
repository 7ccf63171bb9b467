#include "controls/MediaBitmap.h"

#include "controls/AlphaMix.h"
#include "controls/LinearGradient.h"
#include "controls/RadialGradient.h"
#include "controls/Stretch.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace controls {

void TMediaBitmap::SetSize(int width, int height) {
    // The most negative int has no absolute value; it is too large anyway.
    width = width == INT_MIN ? INT_MAX : std::abs(width);
    height = height == INT_MIN ? INT_MAX : std::abs(height);
    if (width == 0 || height == 0 || (width == width_ && height == height_))
        return;
    surface_.reset();
    width_ = height_ = 0;
    surface_ = CreatePixelSurface(width, height);
    width_ = width;
    height_ = height;
}

void TMediaBitmap::FillPixels(TRect rect, TPixel pixel) {
    // Colours are opaque, so mixing by alpha would replace the pixels too.
    TRect clamped = Intersect(rect, Bounds());
    if (clamped.IsEmpty())
        return;
    for (int y = clamped.top; y < clamped.bottom; ++y) {
        auto row = Row(y);
        std::fill(row.begin() + clamped.left, row.begin() + clamped.right, pixel);
    }
}

void TMediaBitmap::Fill(TColor color) { FillPixels(Bounds(), ColorToPixel(color)); }

void TMediaBitmap::FillRect(TRect rect, TColor color) { FillPixels(rect, ColorToPixel(color)); }

void TMediaBitmap::SetAlpha(uint8_t alpha) {
    for (int y = 0; y < height_; ++y)
        for (TPixel& pixel : Row(y))
            pixel = (pixel & 0x00FFFFFFu) | (static_cast<TPixel>(alpha) << 24);
}

void TMediaBitmap::DrawLinearGradient(TRect rect, TColor from, TColor to, bool vertical) {
    controls::DrawLinearGradient(*this, rect, from, to, vertical);
}

void TMediaBitmap::DrawRadialGradient(TRect rect, TColor from, TPoint centrePercent, TColor to) {
    controls::DrawRadialGradient(*this, rect, from, centrePercent, to);
}

TPixel TMediaBitmap::Compose(TPixel source, TPixel target) const {
    return perPixelAlpha_ ? MixPixel(source, target) : source;
}

void TMediaBitmap::CopyRect(TMediaBitmap& target, int x, int y, TRect source) const {
    TRect from = Intersect(source, Bounds());
    x += from.left - source.left;
    y += from.top - source.top;
    TRect to = Intersect({x, y, x + from.Width(), y + from.Height()}, target.Bounds());
    for (int ty = to.top; ty < to.bottom; ++ty) {
        auto src = Row(ty - y + from.top);
        auto dst = target.Row(ty);
        for (int tx = to.left; tx < to.right; ++tx)
            dst[tx] = Compose(src[tx - x + from.left], dst[tx]);
    }
}

void TMediaBitmap::StretchDraw(TMediaBitmap& target, TRect targetRect, TRect source) const {
    controls::StretchDraw(*this, target, targetRect, source);
}

void TMediaBitmap::TileDraw(TMediaBitmap& target, TRect targetRect, TRect source) const {
    source = Intersect(source, Bounds());
    TRect visible = Intersect(targetRect, target.Bounds());
    if (source.IsEmpty() || visible.IsEmpty())
        return;
    // Start at the first copy that reaches the visible part, so that a huge
    // target rectangle costs no more than its visible pixels.
    int w = source.Width();
    int h = source.Height();
    int firstX = targetRect.left + (visible.left - targetRect.left) / w * w;
    int firstY = targetRect.top + (visible.top - targetRect.top) / h * h;
    for (int y = firstY; y < visible.bottom; y += h) {
        for (int x = firstX; x < visible.right; x += w) {
            TRect piece = Intersect({x, y, x + w, y + h}, visible);
            CopyRect(target, piece.left, piece.top,
                     {source.left + piece.left - x, source.top + piece.top - y, source.left + piece.right - x,
                      source.top + piece.bottom - y});
        }
    }
}

} // namespace controls
