#pragma once

#include "swf/filters/FilterImage.h"

namespace swf {

// Blurs every channel of the object; sizes in stage pixels.
struct BlurFilter {
    double BlurX = 4, BlurY = 4;
    int Passes = 1;
};

FilterMargin MarginOf(const BlurFilter& filter, const FilterScale& scale);
void Apply(const BlurFilter& filter, FilterImage& image, const FilterScale& scale);

} // namespace swf
