#pragma once

#include "swf/GradientRamp.h"
#include "swf/Paint.h"

#include <array>

namespace swf {

// Linear, radial and focal gradients over the gradient square
// (-16384..16384 on both axes) that the fill's matrix places in the shape.
class GradientPaint : public Paint {
public:
    // deviceToGradient maps device pixels into the gradient square.
    GradientPaint(const FillStyle& fill, const Matrix& deviceToGradient, const ColorTransform& colors);
    void Shade(int x, int y, int count, uint32_t* out) const override;

private:
    double Position(double gx, double gy) const;
    size_t Index(double t) const;

    FillKind kind_;
    Spread spread_;
    double focal_;
    Matrix inverse_;
    std::array<uint32_t, FillRampSize> ramp_;
};

} // namespace swf
