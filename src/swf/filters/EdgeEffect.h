#pragma once

#include "swf/filters/FilterImage.h"

#include <array>
#include <cstdint>

namespace swf {

// What shadows, glows and bevels have in common: the object's alpha,
// blurred, moved and strengthened, picks a colour from a ramp, and the
// result goes outside, inside or all over the object.
struct EdgeEffect {
    enum class Shape { Shadow, Bevel };
    enum class Side { Outer, Inner, Full };

    // Premultiplied colours by strength of the effect: for shadows the
    // blurred alpha indexes it; for bevels 0 is the full highlight, 128
    // nothing and 255 the full shadow.
    std::array<uint32_t, 256> Ramp{};
    Shape Kind = Shape::Shadow;
    Side Where = Side::Outer;
    double BlurX = 0, BlurY = 0; // device pixels
    int Passes = 1;
    double Dx = 0, Dy = 0; // device pixels; a bevel's light comes from -D
    double Strength = 1;
    bool Knockout = false;   // the object itself is cut away
    bool HideObject = false; // the object is not drawn, only its effect
};

// The fields of shadow, glow and bevel records (and their gradient forms);
// sizes in stage pixels, the angle in radians.
struct EdgeFilterFields {
    double BlurX = 4, BlurY = 4;
    double Angle = 0.785398, Distance = 4;
    double Strength = 1;
    bool Inner = false, Knockout = false, HideObject = false, OnTop = false;
    int Passes = 1;
};

// The effect of the fields at the output scale, colouring through `ramp`.
EdgeEffect EdgeEffectOf(const EdgeFilterFields& fields, const std::array<uint32_t, 256>& ramp,
                        EdgeEffect::Shape kind, const FilterScale& scale);

FilterMargin MarginOf(const EdgeEffect& effect);
void Apply(const EdgeEffect& effect, FilterImage& image);

} // namespace swf
