#include "swf/filters/ConvolutionFilter.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

Rgba Read(const ConvolutionFilter& f, const FilterImage& image, int x, int y) {
    if (f.Clamp) {
        x = std::clamp(x, 0, image.Width - 1);
        y = std::clamp(y, 0, image.Height - 1);
    } else if (x < 0 || y < 0 || x >= image.Width || y >= image.Height) {
        return f.Default;
    }
    return Unpremultiply(image.At(x, y));
}

uint8_t Finish(float sum, const ConvolutionFilter& f) {
    float divisor = f.Divisor == 0 ? 1 : f.Divisor;
    return uint8_t(std::lround(std::clamp(sum / divisor + f.Bias, 0.0f, 255.0f)));
}

uint32_t Convolve(const ConvolutionFilter& f, const FilterImage& image, int x, int y) {
    float sum[4] = {0, 0, 0, 0};
    for (int j = 0; j < f.Rows; ++j)
        for (int i = 0; i < f.Columns; ++i) {
            float w = f.Weights[size_t(j) * size_t(f.Columns) + size_t(i)];
            Rgba c = Read(f, image, x + i - f.Columns / 2, y + j - f.Rows / 2);
            sum[0] += w * c.R;
            sum[1] += w * c.G;
            sum[2] += w * c.B;
            sum[3] += w * c.A;
        }
    uint8_t alpha = f.PreserveAlpha ? Unpremultiply(image.At(x, y)).A : Finish(sum[3], f);
    return Premultiply({Finish(sum[0], f), Finish(sum[1], f), Finish(sum[2], f), alpha});
}

} // namespace

FilterMargin MarginOf(const ConvolutionFilter& f) {
    return {f.Columns / 2, f.Rows / 2, f.Columns / 2, f.Rows / 2};
}

void Apply(const ConvolutionFilter& f, FilterImage& image) {
    if (f.Weights.size() != size_t(f.Columns) * size_t(f.Rows) || f.Weights.empty())
        return;
    FilterImage source = image;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            image.At(x, y) = Convolve(f, source, x, y);
}

} // namespace swf
