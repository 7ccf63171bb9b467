#pragma once

#include "controls/Color.h"
#include "controls/PixelSurface.h"
#include "controls/Rect.h"

#include <memory>
#include <span>
#include <string>

namespace controls {

// A 32-bit pixel buffer (0xAARRGGBB, rows top-down) with the drawing
// operations of the media styles. Every operation clips to the buffers it
// touches; an empty buffer (0 x 0) draws nothing and shows nothing.
class TMediaBitmap {
public:
    TMediaBitmap() = default;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return surface_ == nullptr; }
    TRect Bounds() const { return {0, 0, width_, height_}; }

    std::span<TPixel> Row(int y) {
        return {surface_->Pixels() + static_cast<size_t>(y) * width_, Extent(width_)};
    }
    std::span<const TPixel> Row(int y) const {
        return {surface_->Pixels() + static_cast<size_t>(y) * width_, Extent(width_)};
    }
    TPixel Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, TPixel value) { Row(y)[x] = value; }
    TPixelSurface* Surface() { return surface_.get(); }

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Off: copies replace pixels. On: source pixels are mixed over the
    // target by their alpha (0 skips them).
    bool PerPixelAlpha() const { return perPixelAlpha_; }
    void SetPerPixelAlpha(bool on) { perPixelAlpha_ = on; }

    // Negative sizes count as their absolute value; a zero or an unchanged
    // size does nothing. The new pixels are undefined until drawn. On a
    // failure (an exception) the buffer is left empty.
    void SetSize(int width, int height);

    void Fill(TColor color);
    void FillRect(TRect rect, TColor color);
    // FillRect with a pixel value that is already resolved.
    void FillPixels(TRect rect, TPixel pixel);
    void SetAlpha(uint8_t alpha);
    void DrawLinearGradient(TRect rect, TColor from, TColor to, bool vertical);
    void DrawRadialGradient(TRect rect, TColor from, TPoint centrePercent, TColor to);

    // Copies of this buffer's pixels into `target`.
    void CopyRect(TMediaBitmap& target, int x, int y, TRect source) const;
    void StretchDraw(TMediaBitmap& target, TRect targetRect, TRect source) const;
    void TileDraw(TMediaBitmap& target, TRect targetRect, TRect source) const;

    // Writes one of this buffer's pixels over a target pixel, by the
    // per-pixel-alpha rule.
    TPixel Compose(TPixel source, TPixel target) const;

private:
    static size_t Extent(int count) { return static_cast<size_t>(count); }

    std::unique_ptr<TPixelSurface> surface_;
    int width_ = 0;
    int height_ = 0;
    std::string name_;
    bool perPixelAlpha_ = false;
};

} // namespace controls
