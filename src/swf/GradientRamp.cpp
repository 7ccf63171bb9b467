#include "swf/GradientRamp.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

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

uint32_t Encode(Channels c, bool linear, bool truncate) {
    auto byte = [truncate](double v) {
        v = std::clamp(v, 0.0, 255.0);
        return static_cast<uint8_t>(truncate ? std::floor(v + 1e-9) : std::round(v));
    };
    if (linear)
        c = {FromLinear(c.R), FromLinear(c.G), FromLinear(c.B), c.A};
    return Premultiply({byte(c.R), byte(c.G), byte(c.B), byte(c.A)});
}

Channels Mix(Channels a, Channels b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t, a.A + (b.A - a.A) * t};
}

// Entry j of `out` takes the colour at ratio (j + offset) * scale. Ratios
// are taken in the order given: a point between two stops blends them,
// before the first stop it takes the first colour, after the last the last
// colour.
void FillEntries(const Gradient& gradient, const ColorTransform& colors, double scale, double offset,
                 bool truncate, std::span<uint32_t> out) {
    const auto& stops = gradient.Stops;
    if (stops.empty())
        return;
    bool linear = gradient.LinearRgb;
    std::vector<Channels> decoded;
    for (const GradientStop& stop : stops)
        decoded.push_back(Decode(colors.Apply(stop.Color), linear));
    uint32_t first = Encode(decoded.front(), linear, truncate),
             last = Encode(decoded.back(), linear, truncate);
    // The first stop at or after a point only moves on as the points climb,
    // whatever the order of the stops.
    size_t k = 0;
    for (size_t j = 0; j < out.size(); ++j) {
        double ratio = (double(j) + offset) * scale;
        while (k < stops.size() && stops[k].Ratio < ratio)
            ++k;
        if (k == 0 || k == stops.size()) {
            out[j] = k == 0 ? first : last;
            continue;
        }
        const auto &a = stops[k - 1], &b = stops[k];
        double t = b.Ratio > a.Ratio ? (ratio - a.Ratio) / (b.Ratio - a.Ratio) : 1.0;
        out[j] = Encode(Mix(decoded[k - 1], decoded[k], t), linear, truncate);
    }
}

} // namespace

std::array<uint32_t, 256> BuildRamp(const Gradient& gradient, const ColorTransform& colors) {
    std::array<uint32_t, 256> ramp{};
    FillEntries(gradient, colors, 1, 0, false, ramp);
    return ramp;
}

std::array<uint32_t, FillRampSize> BuildFillRamp(const Gradient& gradient, const ColorTransform& colors) {
    std::array<uint32_t, FillRampSize> ramp{};
    FillEntries(gradient, colors, 255.0 / (FillRampSize - 1), 0, true, ramp);
    return ramp;
}

} // namespace swf
