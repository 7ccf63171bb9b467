#pragma once

#include "swf/ColorTransform.h"
#include "swf/filters/EdgeEffect.h"

namespace swf {

// The object's shape in one colour, blurred and moved `Distance` stage
// pixels towards `Angle` (radians), behind or inside the object.
struct DropShadowFilter {
    Rgba Color{0, 0, 0, 255};
    double BlurX = 4, BlurY = 4;
    double Angle = 0.785398, Distance = 4;
    double Strength = 1;
    bool Inner = false, Knockout = false, HideObject = false;
    int Passes = 1;
};

EdgeEffect EffectOf(const DropShadowFilter& filter, const FilterScale& scale);

// A ramp from transparent to the colour: what one-colour shadows and glows
// paint by strength.
std::array<uint32_t, 256> ColorRamp(Rgba color);

} // namespace swf
