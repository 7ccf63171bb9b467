#pragma once

#include "swf/Paint.h"

namespace swf {

// A bitmap fill: repeated, or clipped with its edge pixels stretched beyond
// it; sampled nearest or bilinear.
class BitmapPaint : public Paint {
public:
    BitmapPaint(const Bitmap& bitmap, const Matrix& deviceToBitmap, const ColorTransform& colors, bool repeat,
                bool smooth);
    void Shade(int x, int y, int count, uint32_t* out) const override;

private:
    int Wrap(int v, int size) const;
    uint32_t Nearest(double u, double v) const;
    uint32_t Bilinear(double u, double v) const;

    const Bitmap& bitmap_;
    Matrix inverse_;
    ColorTransform colors_;
    bool identity_, repeat_, smooth_;
};

} // namespace swf
