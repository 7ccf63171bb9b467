#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace genpictures {

// An opaque picture of any size, 0x00RRGGBB, rows top-down.
struct Canvas {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;

    Canvas(int width, int height) : Width(width), Height(height), Pixels(size_t(width) * size_t(height)) {}
    uint32_t& At(int x, int y) { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

// The canvas as a baseline JPEG file of the given quality (1 to 100).
std::vector<uint8_t> EncodeJpeg(const Canvas& canvas, int quality);

} // namespace genpictures
