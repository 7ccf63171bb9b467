#pragma once

#include "swf/ColorTransform.h"
#include "swf/filters/EdgeEffect.h"

namespace swf {

// Light from `Angle` + pi: edges facing it get the highlight, the others
// the shadow, inside the object, outside it or both (`OnTop`).
struct BevelFilter : EdgeFilterFields {
    Rgba Shadow{0, 0, 0, 255};
    Rgba Highlight{255, 255, 255, 255};
};

EdgeEffect EffectOf(const BevelFilter& filter, const FilterScale& scale);

} // namespace swf
