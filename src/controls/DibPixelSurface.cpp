#include "controls/DibPixelSurface.h"

#include "controls/MediaBitmap.h"

#include <stdexcept>

namespace controls {

TDibPixelSurface::TDibPixelSurface(int width, int height) {
    if (4LL * width * height > kMaxSurfaceBytes)
        throw std::runtime_error("Can't allocate the DIB handle");
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits)
        throw std::runtime_error("Can't allocate the DIB handle");
    dc_.reset(CreateCompatibleDC(nullptr));
    if (!dc_)
        throw std::runtime_error("Can't create compatible DC");
    previous_ = SelectObject(dc_.get(), bitmap_.get());
    if (!previous_ || previous_ == HGDI_ERROR)
        throw std::runtime_error("Can't select an object into DC");
    pixels_ = static_cast<TPixel*>(bits);
}

TDibPixelSurface::~TDibPixelSurface() {
    // The bitmap can only be deleted once the DC lets go of it.
    SelectObject(dc_.get(), previous_);
}

std::unique_ptr<TPixelSurface> CreatePixelSurface(int width, int height) {
    return std::make_unique<TDibPixelSurface>(width, height);
}

HDC BitmapDc(TMediaBitmap& bitmap) {
    auto* surface = static_cast<TDibPixelSurface*>(bitmap.Surface());
    return surface ? surface->Dc() : nullptr;
}

void DrawBitmap(TMediaBitmap& bitmap, HDC device, int x, int y) {
    if (HDC dc = BitmapDc(bitmap)) {
        // GDI may still be drawing into the section through the memory DC.
        GdiFlush();
        BitBlt(device, x, y, bitmap.Width(), bitmap.Height(), dc, 0, 0, SRCCOPY);
    }
}

} // namespace controls
