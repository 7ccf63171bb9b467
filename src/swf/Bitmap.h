#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace swf {

// A decoded image: premultiplied 0xAARRGGBB pixels, rows top-down.
struct Bitmap {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
    bool Opaque = true;

    uint32_t At(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

// Finds a bitmap character by id; null when there is none.
using BitmapLookup = std::function<const Bitmap*(uint16_t)>;

} // namespace swf
