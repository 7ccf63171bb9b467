#include "swf/MaskCompositor.h"

#include <algorithm>

namespace swf {

MaskCompositor::MaskCompositor(Canvas& canvas)
    : canvas_(canvas), coverage_(size_t(canvas.Target().Width), 0.0f), lo_(canvas.Target().Width), hi_(0) {}

void MaskCompositor::Span(int, uint32_t, int x0, std::span<const float> coverage) {
    for (size_t i = 0; i < coverage.size(); ++i)
        coverage_[size_t(x0) + i] += coverage[i];
    lo_ = std::min(lo_, x0);
    hi_ = std::max(hi_, x0 + static_cast<int>(coverage.size()));
}

void MaskCompositor::EndRow(int y) {
    float* row = canvas_.BuildingRow(y);
    const float* clip = canvas_.BuildingClipRow(y);
    for (int x = lo_; x < hi_; ++x) {
        float c = std::min(coverage_[size_t(x)], 1.0f) * (clip ? clip[x] : 1.0f);
        row[x] = row[x] + c - row[x] * c;
        coverage_[size_t(x)] = 0;
    }
    lo_ = canvas_.Target().Width;
    hi_ = 0;
}

} // namespace swf
