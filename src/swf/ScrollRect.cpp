#include "swf/ScrollRect.h"

#include "swf/Canvas.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

// How much of the pixel span [i, i + 1) lies in [lo, hi).
float Overlap(int i, double lo, double hi) {
    return static_cast<float>(std::clamp(std::min(hi, i + 1.0) - std::max(lo, double(i)), 0.0, 1.0));
}

} // namespace

Matrix ScrollRect::ContentTransform(const Matrix& toDevice) const {
    return toDevice.Then(Matrix::Translate(-X * 20, -Y * 20));
}

void PushScrollMask(Canvas& canvas, const Matrix& toDevice, const ScrollRect& rect) {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    for (double cx : {0.0, rect.Width * 20})
        for (double cy : {0.0, rect.Height * 20}) {
            Point p = toDevice.Apply({cx, cy});
            x0 = std::min(x0, p.X);
            x1 = std::max(x1, p.X);
            y0 = std::min(y0, p.Y);
            y1 = std::max(y1, p.Y);
        }
    IntRect all = canvas.Bounds();
    canvas.BeginMask();
    if (std::isfinite(x0) && std::isfinite(x1) && std::isfinite(y0) && std::isfinite(y1)) {
        int top = std::clamp(static_cast<int>(std::floor(y0)), all.Y0, all.Y1);
        int bottom = std::clamp(static_cast<int>(std::ceil(y1)), all.Y0, all.Y1);
        int left = std::clamp(static_cast<int>(std::floor(x0)), all.X0, all.X1);
        int right = std::clamp(static_cast<int>(std::ceil(x1)), all.X0, all.X1);
        for (int y = top; y < bottom; ++y) {
            float* row = canvas.BuildingRow(y);
            float vertical = Overlap(y, y0, y1);
            for (int x = left; x < right; ++x)
                row[x] = vertical * Overlap(x, x0, x1);
        }
    }
    canvas.EndMaskAndPush();
}

} // namespace swf
