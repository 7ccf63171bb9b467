#pragma once

#include "swf/Shape.h"
#include "swf/filters/EdgeEffect.h"

#include <vector>

namespace swf {

// What gradient glows and gradient bevels share: their colours come from a
// gradient instead of one or two colours.
struct GradientFilterFields : EdgeFilterFields {
    std::vector<GradientStop> Stops;
};

// The effect with the gradient's colours.
EdgeEffect GradientEffectOf(const GradientFilterFields& f, EdgeEffect::Shape kind, const FilterScale& scale);

} // namespace swf
