#include "swf/GradientRamp.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

struct Channels {
    double R, G, B, A;
};

double ToLinear(double c) {
    c /= 255;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double FromLinear(double c) {
    double s = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return s * 255;
}

Channels Decode(Rgba c, bool linear) {
    if (!linear)
        return {double(c.R), double(c.G), double(c.B), double(c.A)};
    return {ToLinear(c.R), ToLinear(c.G), ToLinear(c.B), double(c.A)};
}

uint32_t Encode(Channels c, bool linear) {
    auto byte = [](double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 255.0))); };
    if (linear)
        c = {FromLinear(c.R), FromLinear(c.G), FromLinear(c.B), c.A};
    return Premultiply({byte(c.R), byte(c.G), byte(c.B), byte(c.A)});
}

Channels Mix(Channels a, Channels b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t, a.A + (b.A - a.A) * t};
}

} // namespace

// Ratios are taken in the order given: an entry between two stops blends
// them, before the first stop it takes the first colour, after the last the
// last colour.
std::array<uint32_t, 256> BuildRamp(const Gradient& gradient, const ColorTransform& colors) {
    std::array<uint32_t, 256> ramp{};
    const auto& stops = gradient.Stops;
    if (stops.empty())
        return ramp;
    bool linear = gradient.LinearRgb;
    for (int i = 0; i < 256; ++i) {
        size_t k = 0;
        while (k < stops.size() && stops[k].Ratio < i)
            ++k;
        Channels c;
        if (k == 0 || k == stops.size()) {
            c = Decode(colors.Apply(stops[k == 0 ? 0 : k - 1].Color), linear);
        } else {
            const auto &a = stops[k - 1], &b = stops[k];
            double t = b.Ratio > a.Ratio ? double(i - a.Ratio) / (b.Ratio - a.Ratio) : 1.0;
            c = Mix(Decode(colors.Apply(a.Color), linear), Decode(colors.Apply(b.Color), linear), t);
        }
        ramp[size_t(i)] = Encode(c, linear);
    }
    return ramp;
}

} // namespace swf
