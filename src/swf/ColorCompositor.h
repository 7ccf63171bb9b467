#pragma once

#include "swf/Canvas.h"
#include "swf/Paint.h"

#include <span>
#include <vector>

namespace swf {

// Paints the coverage of one pass (the fills of a shape layer, or one
// stroke) onto the canvas. Within a row every fill's colour is weighted by
// its coverage and summed before the sum is laid over the target once, so
// two fills that share an edge add up to full coverage there and leave no
// seam of background between them.
class ColorCompositor : public CoverageSink {
public:
    ColorCompositor(Canvas& canvas, std::span<const Paint* const> paints);
    void Span(int y, uint32_t fill, int x0, std::span<const float> coverage) override;
    void EndRow(int y) override;

private:
    void Blend(uint32_t* dst, int x, float mask);
    // With one paint there is nothing to sum: pixels are laid over the
    // target as they come.
    void Direct(int y, int x0, std::span<const float> coverage);

    Canvas& canvas_;
    std::span<const Paint* const> paints_;
    std::vector<float> sum_; // premultiplied a, r, g, b per pixel, 0..255
    std::vector<float> coverage_;
    std::vector<uint32_t> shade_;
    int lo_, hi_;
};

} // namespace swf
