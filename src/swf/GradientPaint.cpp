#include "swf/GradientPaint.h"

#include "swf/GradientRamp.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

constexpr double Half = 16384;
// The square spans 256 ratio steps (not 255), and a pixel takes the ratio
// half a step below its centre's: steep stops then climb on the same pixel
// as the plug-in's (a quarter pixel later at two steps a pixel).
constexpr double RatioSpan = 256;

} // namespace

GradientPaint::GradientPaint(const FillStyle& fill, const Matrix& deviceToGradient,
                             const ColorTransform& colors)
    : kind_(fill.Kind), spread_(fill.Grad.SpreadMode), focal_(std::clamp(fill.Grad.Focal, -0.998, 0.998)),
      inverse_(deviceToGradient), ramp_(BuildFillRamp(fill.Grad, colors)) {}

// Where a point of the gradient square falls along the ramp, 0..1 inside.
double GradientPaint::Position(double gx, double gy) const {
    if (kind_ == FillKind::Linear)
        return (gx + Half) / (2 * Half);
    double px = gx / Half, py = gy / Half;
    if (kind_ == FillKind::Radial)
        return std::sqrt(px * px + py * py);
    // Focal: the ratio of the distance from the focus to the point over the
    // distance from the focus to the circle, along the same ray.
    double dx = px - focal_, dy = py;
    double len = std::sqrt(dx * dx + dy * dy);
    if (len < 1e-12)
        return 0;
    double ux = dx / len, uy = dy / len;
    double b = focal_ * ux + 0 * uy;
    double reach = -b + std::sqrt(b * b - focal_ * focal_ + 1);
    return len / reach;
}

size_t GradientPaint::Index(double t) const {
    if (!std::isfinite(t))
        t = 0;
    double ratio = t * RatioSpan - 0.5;
    // Beyond the square the same steps repeat or run back, so a reflection
    // mirrors the pixels before it exactly.
    if (spread_ == Spread::Repeat) {
        ratio -= RatioSpan * std::floor(ratio / RatioSpan);
    } else if (spread_ == Spread::Reflect) {
        ratio -= 2 * RatioSpan * std::floor(ratio / (2 * RatioSpan));
        if (ratio >= RatioSpan)
            ratio = 2 * RatioSpan - 1 - ratio;
    }
    constexpr double Last = FillRampSize - 1;
    return static_cast<size_t>(std::clamp(ratio, 0.0, 255.0) * (Last / 255));
}

void GradientPaint::Shade(int x, int y, int count, uint32_t* out) const {
    double cx = x + 0.5, cy = y + 0.5;
    double gx = inverse_.A * cx + inverse_.C * cy + inverse_.Tx;
    double gy = inverse_.B * cx + inverse_.D * cy + inverse_.Ty;
    for (int i = 0; i < count; ++i) {
        out[i] = ramp_[Index(Position(gx, gy))];
        gx += inverse_.A;
        gy += inverse_.B;
    }
}

} // namespace swf
