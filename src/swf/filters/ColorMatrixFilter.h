#pragma once

#include "swf/filters/FilterImage.h"

#include <array>

namespace swf {

// Each straight channel becomes a weighted sum of R, G, B, A plus an offset
// (0..255 units): four rows of five.
struct ColorMatrixFilter {
    std::array<float, 20> Matrix{1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0};
};

void Apply(const ColorMatrixFilter& filter, FilterImage& image);

} // namespace swf
