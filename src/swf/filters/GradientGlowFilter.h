#pragma once

#include "swf/filters/EdgeEffect.h"
#include "swf/filters/GradientFilterFields.h"

namespace swf {

// A glow (or, with a distance, a shadow) whose blurred alpha picks its
// colour from a gradient.
struct GradientGlowFilter : GradientFilterFields {};

EdgeEffect EffectOf(const GradientGlowFilter& filter, const FilterScale& scale);

// Fills an effect's blur, offset, strength and variants from the fields.
EdgeEffect EdgeEffectOf(const GradientFilterFields& f, EdgeEffect::Shape kind, const FilterScale& scale);

} // namespace swf
