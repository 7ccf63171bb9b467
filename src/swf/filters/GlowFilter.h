#pragma once

#include "swf/ColorTransform.h"
#include "swf/filters/EdgeEffect.h"

namespace swf {

// A shadow that does not move: a halo of one colour around or inside the
// object.
struct GlowFilter {
    Rgba Color{255, 0, 0, 255};
    double BlurX = 6, BlurY = 6;
    double Strength = 2;
    bool Inner = false, Knockout = false, HideObject = false;
    int Passes = 1;
};

EdgeEffect EffectOf(const GlowFilter& filter, const FilterScale& scale);

} // namespace swf
