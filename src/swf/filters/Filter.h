#pragma once

#include "swf/filters/BevelFilter.h"
#include "swf/filters/BlurFilter.h"
#include "swf/filters/ColorMatrixFilter.h"
#include "swf/filters/ConvolutionFilter.h"
#include "swf/filters/DropShadowFilter.h"
#include "swf/filters/GlowFilter.h"
#include "swf/filters/GradientBevelFilter.h"
#include "swf/filters/GradientGlowFilter.h"

#include <variant>
#include <vector>

namespace swf {

using Filter = std::variant<DropShadowFilter, BlurFilter, GlowFilter, BevelFilter, GradientGlowFilter,
                            ConvolutionFilter, ColorMatrixFilter, GradientBevelFilter>;

// Applied in order, each to the result of the one before.
using FilterList = std::vector<Filter>;

} // namespace swf
