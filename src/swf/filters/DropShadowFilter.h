#pragma once

#include "swf/ColorTransform.h"
#include "swf/filters/EdgeEffect.h"

namespace swf {

// The object's shape in one colour, blurred and moved `Distance` stage
// pixels towards `Angle`, behind or inside the object.
struct DropShadowFilter : EdgeFilterFields {
    Rgba Color{0, 0, 0, 255};
};

EdgeEffect EffectOf(const DropShadowFilter& filter, const FilterScale& scale);

// A ramp from transparent to the colour: what one-colour shadows and glows
// paint by strength.
std::array<uint32_t, 256> ColorRamp(Rgba color);

} // namespace swf
