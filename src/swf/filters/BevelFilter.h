#pragma once

#include "swf/ColorTransform.h"
#include "swf/filters/EdgeEffect.h"

namespace swf {

// Light from `Angle` + pi: edges facing it get the highlight, the others
// the shadow, inside the object, outside it or both (`OnTop`).
struct BevelFilter {
    Rgba Shadow{0, 0, 0, 255};
    Rgba Highlight{255, 255, 255, 255};
    double BlurX = 4, BlurY = 4;
    double Angle = 0.785398, Distance = 4;
    double Strength = 1;
    bool Inner = true, Knockout = false, HideObject = false, OnTop = false;
    int Passes = 1;
};

EdgeEffect EffectOf(const BevelFilter& filter, const FilterScale& scale);

} // namespace swf
