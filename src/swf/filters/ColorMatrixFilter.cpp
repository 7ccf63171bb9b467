#include "swf/filters/ColorMatrixFilter.h"

#include "swf/ColorTransform.h"

#include <algorithm>
#include <cmath>

namespace swf {

namespace {

uint8_t Channel(const float* row, const float in[4]) {
    float v = row[0] * in[0] + row[1] * in[1] + row[2] * in[2] + row[3] * in[3] + row[4];
    return uint8_t(std::lround(std::clamp(v, 0.0f, 255.0f)));
}

} // namespace

void Apply(const ColorMatrixFilter& f, FilterImage& image) {
    for (uint32_t& pixel : image.Pixels) {
        Rgba c = Unpremultiply(pixel);
        float in[4] = {float(c.R), float(c.G), float(c.B), float(c.A)};
        const float* m = f.Matrix.data();
        pixel = Premultiply({Channel(m, in), Channel(m + 5, in), Channel(m + 10, in), Channel(m + 15, in)});
    }
}

} // namespace swf
