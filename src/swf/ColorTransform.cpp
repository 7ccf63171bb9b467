#include "swf/ColorTransform.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

uint8_t Channel(float value, float mul, float add) {
    return static_cast<uint8_t>(std::clamp(std::lround(value * mul + add), 0L, 255L));
}

uint8_t Scaled(uint32_t channel, uint32_t alpha) {
    return static_cast<uint8_t>((channel * alpha + 127) / 255);
}

} // namespace

uint32_t Premultiply(Rgba c) {
    return uint32_t(c.A) << 24 | uint32_t(Scaled(c.R, c.A)) << 16 | uint32_t(Scaled(c.G, c.A)) << 8 |
           Scaled(c.B, c.A);
}

Rgba Unpremultiply(uint32_t argb) {
    uint32_t a = argb >> 24;
    if (a == 0)
        return {0, 0, 0, 0};
    auto un = [a](uint32_t v) {
        return static_cast<uint8_t>(std::min<uint32_t>(255, (v * 255 + a / 2) / a));
    };
    return {un(argb >> 16 & 0xff), un(argb >> 8 & 0xff), un(argb & 0xff), static_cast<uint8_t>(a)};
}

Rgba ColorTransform::Apply(Rgba c) const {
    return {Channel(c.R, MulR, AddR), Channel(c.G, MulG, AddG), Channel(c.B, MulB, AddB),
            Channel(c.A, MulA, AddA)};
}

uint32_t ColorTransform::ApplyPremultiplied(uint32_t argb) const {
    return Premultiply(Apply(Unpremultiply(argb)));
}

bool ColorTransform::IsIdentity() const {
    return MulR == 1 && MulG == 1 && MulB == 1 && MulA == 1 && AddR == 0 && AddG == 0 && AddB == 0 &&
           AddA == 0;
}

ColorTransform ColorTransform::Then(const ColorTransform& inner) const {
    return {MulR * inner.MulR,        MulG * inner.MulG,        MulB * inner.MulB,
            MulA * inner.MulA,        AddR + MulR * inner.AddR, AddG + MulG * inner.AddG,
            AddB + MulB * inner.AddB, AddA + MulA * inner.AddA};
}

} // namespace swf
