#pragma once

#include "swf/ColorTransform.h"
#include "swf/Shape.h"

#include <array>
#include <cstdint>

namespace swf {

// The 256 premultiplied colours of a gradient, its stops passed through the
// colour transform and interpolated in sRGB or linear RGB; entry i is ratio
// i. Filters colour their alpha through it.
std::array<uint32_t, 256> BuildRamp(const Gradient& gradient, const ColorTransform& colors);

// The colours of a gradient fill, fine enough that neighbouring pixels never
// skip a step: the plug-in's fills change smoothly from pixel to pixel, with
// the channels truncated. Entry j is ratio j * 255 / (FillRampSize - 1).
constexpr size_t FillRampSize = 4096;
std::array<uint32_t, FillRampSize> BuildFillRamp(const Gradient& gradient, const ColorTransform& colors);

} // namespace swf
