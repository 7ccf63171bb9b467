#include "swf/ColorCompositor.h"

#include <algorithm>

namespace swf {

ColorCompositor::ColorCompositor(Canvas& canvas, std::span<const Paint* const> paints)
    : canvas_(canvas), paints_(paints), sum_(size_t(canvas.Target().Width) * 4, 0.0f),
      coverage_(size_t(canvas.Target().Width), 0.0f), lo_(canvas.Target().Width), hi_(0) {}

namespace {

// x / 255, rounded, for x up to 255 * 255.
uint32_t Div255(uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

// Premultiplied source over the destination, per channel: s + d (255 - sa) / 255.
uint32_t Over(uint32_t src, uint32_t dst) {
    uint32_t keep = 255 - (src >> 24);
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
        out |= std::min<uint32_t>(255, (src >> shift & 0xff) + Div255((dst >> shift & 0xff) * keep)) << shift;
    return out;
}

uint32_t ScaleBy(uint32_t p, float k) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
        out |= uint32_t(float(p >> shift & 0xff) * k + 0.5f) << shift;
    return out;
}

} // namespace

void ColorCompositor::Direct(int y, int x0, std::span<const float> coverage) {
    uint32_t* row = canvas_.Target().Row(y) + x0;
    const float* mask = canvas_.MaskRow(y);
    for (size_t i = 0; i < coverage.size(); ++i) {
        float c = std::min(coverage[i] * (mask ? mask[size_t(x0) + i] : 1.0f), 1.0f);
        if (c <= 0)
            continue;
        uint32_t s = c < 1 ? ScaleBy(shade_[i], c) : shade_[i];
        row[i] = s >> 24 == 255 ? s : Over(s, row[i]);
    }
}

void ColorCompositor::Span(int y, uint32_t fill, int x0, std::span<const float> coverage) {
    int count = static_cast<int>(coverage.size());
    shade_.resize(coverage.size());
    paints_[fill]->Shade(x0, y, count, shade_.data());
    if (paints_.size() == 1) {
        Direct(y, x0, coverage);
        return;
    }
    lo_ = std::min(lo_, x0);
    hi_ = std::max(hi_, x0 + count);
    for (int i = 0; i < count; ++i) {
        float c = coverage[size_t(i)];
        if (c <= 0)
            continue;
        uint32_t s = shade_[size_t(i)];
        float* sum = &sum_[size_t(x0 + i) * 4];
        sum[0] += c * float(s >> 24);
        sum[1] += c * float(s >> 16 & 0xff);
        sum[2] += c * float(s >> 8 & 0xff);
        sum[3] += c * float(s & 0xff);
        coverage_[size_t(x0 + i)] += c;
    }
}

// Overlapping fills of one pass share the pixel instead of piling up.
void ColorCompositor::Blend(uint32_t* dst, int x, float mask) {
    float* sum = &sum_[size_t(x) * 4];
    float c = coverage_[size_t(x)];
    float k = (c > 1 ? 1 / c : 1) * mask;
    float a = sum[0] * k;
    float keep = 1 - a / 255;
    uint32_t d = *dst;
    auto channel = [&](int shift, float src) {
        float v = src * k + float(d >> shift & 0xff) * keep;
        return uint32_t(std::clamp(v + 0.5f, 0.0f, 255.0f)) << shift;
    };
    *dst = channel(24, sum[0]) | channel(16, sum[1]) | channel(8, sum[2]) | channel(0, sum[3]);
}

void ColorCompositor::EndRow(int y) {
    if (hi_ <= lo_)
        return;
    uint32_t* row = canvas_.Target().Row(y);
    const float* mask = canvas_.MaskRow(y);
    for (int x = lo_; x < hi_; ++x) {
        float m = mask ? mask[x] : 1.0f;
        if (coverage_[size_t(x)] > 0 && m > 0)
            Blend(row + x, x, m);
    }
    std::fill(sum_.begin() + lo_ * 4, sum_.begin() + hi_ * 4, 0.0f);
    std::fill(coverage_.begin() + lo_, coverage_.begin() + hi_, 0.0f);
    lo_ = canvas_.Target().Width;
    hi_ = 0;
}

} // namespace swf
