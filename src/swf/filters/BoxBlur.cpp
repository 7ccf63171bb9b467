#include "swf/filters/BoxBlur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace swf {
namespace {

uint8_t Average(uint32_t sum, uint32_t count) { return uint8_t((sum + count / 2) / count); }

// One box pass over `count` values `step` apart, reading the originals from
// `line` (a copy, so the pass does not read what it wrote).
void BlurLine(uint8_t* out, const uint8_t* line, int count, ptrdiff_t step, int radius) {
    uint32_t window = uint32_t(2 * radius + 1);
    uint32_t sum = 0;
    for (int i = 0; i < std::min(radius, count); ++i)
        sum += line[i];
    for (int i = 0; i < count; ++i) {
        if (i + radius < count)
            sum += line[i + radius];
        if (i - radius - 1 >= 0)
            sum -= line[i - radius - 1];
        out[i * step] = Average(sum, window);
    }
}

void BlurRows(Plane p, int radius, std::vector<uint8_t>& line) {
    line.resize(size_t(p.Width));
    for (int y = 0; y < p.Height; ++y) {
        uint8_t* row = p.Values.data() + size_t(y) * size_t(p.Width);
        std::copy(row, row + p.Width, line.begin());
        BlurLine(row, line.data(), p.Width, 1, radius);
    }
}

void BlurColumns(Plane p, int radius, std::vector<uint8_t>& line) {
    line.resize(size_t(p.Height));
    for (int x = 0; x < p.Width; ++x) {
        uint8_t* column = p.Values.data() + x;
        for (int y = 0; y < p.Height; ++y)
            line[size_t(y)] = column[size_t(y) * size_t(p.Width)];
        BlurLine(column, line.data(), p.Height, p.Width, radius);
    }
}

} // namespace

void BoxBlur(Plane plane, int radiusX, int radiusY, int passes) {
    std::vector<uint8_t> line;
    for (int pass = 0; pass < passes; ++pass) {
        if (radiusX > 0)
            BlurRows(plane, radiusX, line);
        if (radiusY > 0)
            BlurColumns(plane, radiusY, line);
    }
}

void BoxBlurReference(Plane plane, int radiusX, int radiusY, int passes) {
    auto at = [&](const std::vector<uint8_t>& v, int x, int y) -> uint32_t {
        bool inside = x >= 0 && y >= 0 && x < plane.Width && y < plane.Height;
        return inside ? v[size_t(y) * size_t(plane.Width) + size_t(x)] : 0;
    };
    for (int pass = 0; pass < passes; ++pass) {
        for (int axis = 0; axis < 2; ++axis) {
            int radius = axis == 0 ? radiusX : radiusY;
            if (radius <= 0)
                continue;
            std::vector<uint8_t> before(plane.Values.begin(), plane.Values.end());
            for (int y = 0; y < plane.Height; ++y)
                for (int x = 0; x < plane.Width; ++x) {
                    uint32_t sum = 0;
                    for (int k = -radius; k <= radius; ++k)
                        sum += axis == 0 ? at(before, x + k, y) : at(before, x, y + k);
                    plane.Values[size_t(y) * size_t(plane.Width) + size_t(x)] =
                        Average(sum, uint32_t(2 * radius + 1));
                }
        }
    }
}

int BoxRadius(double amount) {
    // Blur amounts are at most 255 stage pixels; a huge view scale must not
    // make the box wider than any image can be.
    return int(std::clamp(std::floor(amount / 2), 0.0, 4096.0));
}

} // namespace swf
