#pragma once

#include "swf/Rasterizer.h"

#include <vector>

namespace swf {

// Slow and plainly correct: the winding number of a grid of points in every
// pixel, counted edge by edge. The fast rasterizer is tested against it.
class ReferenceRasterizer : public Rasterizer {
public:
    explicit ReferenceRasterizer(int samplesPerAxis = 16) : samples_(samplesPerAxis) {}
    void Run(const RasterJob& job, CoverageSink& sink) override;

private:
    float PixelCoverage(const RasterJob& job, uint32_t fill, int x, int y) const;
    int samples_;
};

} // namespace swf
