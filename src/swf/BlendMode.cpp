#include "swf/BlendMode.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

// One channel, all values premultiplied and in 0..1: the blended colour where
// both are present, plus each where only it is.
float Channel(BlendMode mode, float s, float sa, float d, float da) {
    float rest = s * (1 - da) + d * (1 - sa);
    switch (mode) {
    case BlendMode::Multiply:
        return s * d + rest;
    case BlendMode::Screen:
        return s + d - s * d;
    case BlendMode::Lighten:
        return std::max(s * da, d * sa) + rest;
    case BlendMode::Darken:
        return std::min(s * da, d * sa) + rest;
    case BlendMode::Difference:
        return s + d - 2 * std::min(s * da, d * sa);
    case BlendMode::Add:
        return std::min(1.0f, s + d);
    case BlendMode::Subtract:
        return std::max(0.0f, d - s);
    case BlendMode::Invert:
        return (da - d) * sa + d * (1 - sa);
    case BlendMode::Overlay:
    case BlendMode::HardLight: {
        bool light = mode == BlendMode::Overlay ? 2 * d <= da : 2 * s <= sa;
        float both = light ? 2 * s * d : sa * da - 2 * (da - d) * (sa - s);
        return both + rest;
    }
    default:
        return s + d * (1 - sa);
    }
}

} // namespace

bool BlendsApart(uint8_t mode) {
    return mode >= uint8_t(BlendMode::Layer) && mode <= uint8_t(BlendMode::HardLight) &&
           !NeedsParentLayer(mode);
}

bool NeedsParentLayer(uint8_t mode) {
    return mode == uint8_t(BlendMode::Alpha) || mode == uint8_t(BlendMode::Erase);
}

namespace {

// Alpha keeps what is below where the object is opaque, erase where it is
// transparent; the object's colours do not matter.
uint32_t MaskPixel(BlendMode mode, uint32_t src, uint32_t dst) {
    uint32_t keep = mode == BlendMode::Alpha ? src >> 24 : 255 - (src >> 24);
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
        out |= ((dst >> shift & 0xff) * keep + 127) / 255 << shift;
    return out;
}

} // namespace

uint32_t BlendPixel(BlendMode mode, uint32_t src, uint32_t dst) {
    if (mode == BlendMode::Alpha || mode == BlendMode::Erase)
        return MaskPixel(mode, src, dst);
    float sa = float(src >> 24) / 255, da = float(dst >> 24) / 255;
    float alpha = mode == BlendMode::Add ? std::min(1.0f, sa + da) : sa + da - sa * da;
    uint32_t out = uint32_t(std::lround(std::clamp(alpha, 0.0f, 1.0f) * 255)) << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        float c = Channel(mode, float(src >> shift & 0xff) / 255, sa, float(dst >> shift & 0xff) / 255, da);
        out |= uint32_t(std::lround(std::clamp(c, 0.0f, alpha) * 255)) << shift;
    }
    return out;
}

} // namespace swf
