#include "swf/LayerCompositor.h"

#include <algorithm>

namespace swf {
namespace {

uint32_t MixPixels(uint32_t a, uint32_t b, float t) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        float v = float(a >> shift & 0xff) + (float(b >> shift & 0xff) - float(a >> shift & 0xff)) * t;
        out |= uint32_t(v + 0.5f) << shift;
    }
    return out;
}

// Source over destination in integers: the common case, kept off the
// general blend's floating point.
uint32_t Over(uint32_t src, uint32_t dst) {
    uint32_t rest = 255 - (src >> 24);
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
        out |= std::min(255u, (src >> shift & 0xff) + ((dst >> shift & 0xff) * rest + 127) / 255) << shift;
    return out;
}

uint32_t Blend(BlendMode mode, uint32_t src, uint32_t dst) {
    bool plain = mode == BlendMode::Normal || mode == BlendMode::Layer;
    return plain ? Over(src, dst) : BlendPixel(mode, src, dst);
}

} // namespace

void CompositeLayer(Canvas& canvas, const FilterImage& layer, BlendMode mode) {
    const Surface& target = canvas.Target();
    // Alpha and erase also change what lies where the object is clear.
    bool clearCounts = mode == BlendMode::Alpha;
    int x0 = std::max(0, layer.Left), x1 = std::min(target.Width, layer.Left + layer.Width);
    int y0 = std::max(0, layer.Top), y1 = std::min(target.Height, layer.Top + layer.Height);
    for (int y = y0; y < y1; ++y) {
        uint32_t* row = target.Row(y);
        const float* mask = canvas.MaskRow(y);
        for (int x = x0; x < x1; ++x) {
            uint32_t src = layer.At(x - layer.Left, y - layer.Top);
            if ((src == 0 && !clearCounts) || (mask && mask[x] <= 0))
                continue;
            uint32_t blended = Blend(mode, src, row[x]);
            row[x] = mask && mask[x] < 1 ? MixPixels(row[x], blended, mask[x]) : blended;
        }
    }
}

} // namespace swf
