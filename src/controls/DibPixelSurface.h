#pragma once

#include "controls/PixelSurface.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace controls {

// A top-down 32-bit DIB section selected into a memory DC: GDI drawing on
// Dc() and direct access to Pixels() touch the same memory.
class TDibPixelSurface : public TPixelSurface {
public:
    TDibPixelSurface(int width, int height);
    ~TDibPixelSurface() override;
    TDibPixelSurface(const TDibPixelSurface&) = delete;
    TDibPixelSurface& operator=(const TDibPixelSurface&) = delete;

    TPixel* Pixels() override { return pixels_; }
    HDC Dc() const { return dc_.get(); }

private:
    struct TBitmapDeleter {
        void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
    };
    struct TDcDeleter {
        void operator()(HDC dc) const { DeleteDC(dc); }
    };

    std::unique_ptr<std::remove_pointer_t<HBITMAP>, TBitmapDeleter> bitmap_;
    std::unique_ptr<std::remove_pointer_t<HDC>, TDcDeleter> dc_;
    HGDIOBJ previous_ = nullptr;
    TPixel* pixels_ = nullptr;
};

class TMediaBitmap;

// The device context of a bitmap's pixels, for GDI drawing and copies to a
// window; null for an empty bitmap.
HDC BitmapDc(TMediaBitmap& bitmap);

// Copies the whole bitmap to `device` at (x, y).
void DrawBitmap(TMediaBitmap& bitmap, HDC device, int x, int y);

} // namespace controls
