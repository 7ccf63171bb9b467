#include "swf/ReferenceRasterizer.h"

#include <algorithm>

namespace swf {
namespace {

// Crossings of the horizontal ray from (x, y) to the left, signed by the
// direction of each edge.
int Winding(const RasterJob& job, uint32_t fill, float x, float y) {
    int winding = 0;
    for (const RasterEdge& edge : job.Edges) {
        RasterEdge e = job.Antialias ? edge : OnSampleGrid(edge);
        if (e.Fill != fill)
            continue;
        float top = std::min(e.Y0, e.Y1), bottom = std::max(e.Y0, e.Y1);
        if (y < top || y >= bottom)
            continue;
        float crossing = e.X0 + (y - e.Y0) * (e.X1 - e.X0) / (e.Y1 - e.Y0);
        if (crossing <= x)
            winding += e.Y1 > e.Y0 ? 1 : -1;
    }
    return winding;
}

} // namespace

float ReferenceRasterizer::PixelCoverage(const RasterJob& job, uint32_t fill, int x, int y) const {
    if (!job.Antialias)
        return CoverageOf(job.Rule, float(Winding(job, fill, float(x) + 0.5f, float(y) + 0.5f)));
    float sum = 0;
    for (int j = 0; j < samples_; ++j)
        for (int i = 0; i < samples_; ++i) {
            float sx = float(x) + (float(i) + 0.5f) / float(samples_);
            float sy = float(y) + (float(j) + 0.5f) / float(samples_);
            sum += CoverageOf(job.Rule, float(Winding(job, fill, sx, sy)));
        }
    return sum / float(samples_ * samples_);
}

void ReferenceRasterizer::Run(const RasterJob& job, CoverageSink& sink) {
    std::vector<float> row(size_t(std::max(job.Clip.Width(), 0)));
    for (int y = job.Clip.Y0; y < job.Clip.Y1; ++y) {
        for (uint32_t fill = 0; fill < job.FillCount; ++fill) {
            for (int x = job.Clip.X0; x < job.Clip.X1; ++x)
                row[size_t(x - job.Clip.X0)] = PixelCoverage(job, fill, x, y);
            sink.Span(y, fill, job.Clip.X0, row);
        }
        sink.EndRow(y);
    }
}

} // namespace swf
