#pragma once

#include "swf/ColorTransform.h"
#include "swf/Shape.h"

#include <array>
#include <cstdint>

namespace swf {

// The 256 premultiplied colours of a gradient, its stops passed through the
// colour transform and interpolated in sRGB or linear RGB.
std::array<uint32_t, 256> BuildRamp(const Gradient& gradient, const ColorTransform& colors);

} // namespace swf
