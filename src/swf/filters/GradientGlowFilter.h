#pragma once

#include "swf/filters/GradientFilterFields.h"

namespace swf {

// A glow (or, with a distance, a shadow) whose blurred alpha picks its
// colour from a gradient.
struct GradientGlowFilter : GradientFilterFields {};

EdgeEffect EffectOf(const GradientGlowFilter& filter, const FilterScale& scale);

} // namespace swf
