#pragma once

#include <cstddef>
#include <cstdint>

namespace swf {

// A target the engine draws into: premultiplied 32-bit ARGB pixels (0xAARRGGBB
// in native byte order, which is the layout of a top-down Windows DIB).
// The memory belongs to the caller.
struct Surface {
    uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    ptrdiff_t Stride = 0; // in pixels

    uint32_t* Row(int y) const { return Pixels + y * Stride; }
};

inline uint32_t OpaqueArgb(uint8_t r, uint8_t g, uint8_t b) {
    return 0xff000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | b;
}

} // namespace swf
