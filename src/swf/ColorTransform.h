#pragma once

#include <cstdint>

namespace swf {

struct Rgba {
    uint8_t R = 0, G = 0, B = 0, A = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// Premultiplied 0xAARRGGBB of a straight colour.
uint32_t Premultiply(Rgba c);

// Straight colour of a premultiplied 0xAARRGGBB pixel.
Rgba Unpremultiply(uint32_t argb);

// Multiplies each channel (8.8 fixed point in the file, 1.0 here) and adds an
// offset; the result is clamped per channel.
struct ColorTransform {
    float MulR = 1, MulG = 1, MulB = 1, MulA = 1;
    float AddR = 0, AddG = 0, AddB = 0, AddA = 0;

    Rgba Apply(Rgba c) const;
    uint32_t ApplyPremultiplied(uint32_t argb) const;
    bool IsIdentity() const;

    // The transform that applies `inner` first, then this one.
    ColorTransform Then(const ColorTransform& inner) const;
};

} // namespace swf
