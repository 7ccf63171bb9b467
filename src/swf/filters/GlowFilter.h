#pragma once

#include "swf/ColorTransform.h"
#include "swf/filters/EdgeEffect.h"

namespace swf {

// A shadow that does not move (its distance is 0): a halo of one colour
// around or inside the object.
struct GlowFilter : EdgeFilterFields {
    Rgba Color{255, 0, 0, 255};
};

EdgeEffect EffectOf(const GlowFilter& filter, const FilterScale& scale);

} // namespace swf
