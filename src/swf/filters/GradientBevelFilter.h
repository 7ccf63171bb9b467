#pragma once

#include "swf/filters/GradientFilterFields.h"

namespace swf {

// A bevel whose colours come from a gradient: ratio 0 is the full
// highlight, 128 the flat face and 255 the full shadow.
struct GradientBevelFilter : GradientFilterFields {};

EdgeEffect EffectOf(const GradientBevelFilter& filter, const FilterScale& scale);

} // namespace swf
