#pragma once

#include "controls/Color.h"

#include <memory>

namespace controls {

// The memory behind a TMediaBitmap: width × height pixels, rows top-down.
// On Windows it is a DIB section bound to a memory DC, so GDI drawing and
// direct pixel access share the same pixels.
class TPixelSurface {
public:
    virtual ~TPixelSurface() = default;
    virtual TPixel* Pixels() = 0;
};

// Creates the surface of the platform. Throws std::runtime_error with the
// message of the step that failed ("Can't allocate the DIB handle", ...);
// nothing is left allocated then.
std::unique_ptr<TPixelSurface> CreatePixelSurface(int width, int height);

// The largest buffer a surface is created for, in bytes: far beyond any
// control, and small enough that a bad size cannot exhaust the memory.
inline constexpr long long kMaxSurfaceBytes = 256LL * 1024 * 1024;

} // namespace controls
