#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace swf {

// A piece of a layer the filters work on: premultiplied 0xAARRGGBB pixels,
// rows top-down, placed at (Left, Top) on the target.
struct FilterImage {
    int Left = 0, Top = 0;
    int Width = 0, Height = 0;
    std::vector<uint32_t> Pixels;

    uint32_t& At(int x, int y) { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
    uint32_t At(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

// Device pixels per stage pixel along each axis: filter sizes are given in
// stage pixels and drawn at the output's scale.
struct FilterScale {
    double X = 1, Y = 1;
};

// How far a filter may paint beyond what it is given, in device pixels.
struct FilterMargin {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    FilterMargin& operator+=(const FilterMargin& other) {
        Left += other.Left;
        Top += other.Top;
        Right += other.Right;
        Bottom += other.Bottom;
        return *this;
    }
};

} // namespace swf
