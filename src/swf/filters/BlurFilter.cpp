#include "swf/filters/BlurFilter.h"

#include "swf/filters/BoxBlur.h"

#include <vector>

namespace swf {

FilterMargin MarginOf(const BlurFilter& f, const FilterScale& scale) {
    int rx = BoxRadius(f.BlurX * scale.X) * f.Passes, ry = BoxRadius(f.BlurY * scale.Y) * f.Passes;
    return {rx, ry, rx, ry};
}

// Premultiplied channels blur independently and stay premultiplied: each
// is the same weighted sum of its neighbours.
void Apply(const BlurFilter& f, FilterImage& image, const FilterScale& scale) {
    int rx = BoxRadius(f.BlurX * scale.X), ry = BoxRadius(f.BlurY * scale.Y);
    if ((rx == 0 && ry == 0) || f.Passes == 0)
        return;
    std::vector<uint8_t> plane(image.Pixels.size());
    for (int shift = 0; shift < 32; shift += 8) {
        for (size_t i = 0; i < plane.size(); ++i)
            plane[i] = uint8_t(image.Pixels[i] >> shift);
        BoxBlur({plane, image.Width, image.Height}, rx, ry, f.Passes);
        uint32_t keep = ~(0xffu << shift);
        for (size_t i = 0; i < plane.size(); ++i)
            image.Pixels[i] = (image.Pixels[i] & keep) | uint32_t(plane[i]) << shift;
    }
}

} // namespace swf
