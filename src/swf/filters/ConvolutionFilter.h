#pragma once

#include "swf/ColorTransform.h"
#include "swf/filters/FilterImage.h"

#include <vector>

namespace swf {

// Each pixel becomes the weighted sum of its Columns x Rows neighbourhood
// (straight colours), divided by `Divisor`, plus `Bias`. Beyond the image
// the edge pixels repeat (`Clamp`) or `Default` is read.
struct ConvolutionFilter {
    int Columns = 0, Rows = 0;
    std::vector<float> Weights; // Rows x Columns, row by row
    float Divisor = 1, Bias = 0;
    Rgba Default{0, 0, 0, 0};
    bool Clamp = true, PreserveAlpha = true;
};

FilterMargin MarginOf(const ConvolutionFilter& filter);
void Apply(const ConvolutionFilter& filter, FilterImage& image);

} // namespace swf
