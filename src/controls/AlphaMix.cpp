#include "controls/AlphaMix.h"

namespace controls {

TPixel MixPixel(TPixel source, TPixel target) {
    uint32_t a = source >> 24;
    if (a == 255)
        return source;
    if (a == 0)
        return target;
    TPixel result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        uint32_t s = (source >> shift) & 0xFF;
        uint32_t t = (target >> shift) & 0xFF;
        uint32_t mixed = ((s * a + 128) >> 8) + ((t * (255 - a) + 128) >> 8);
        result |= (mixed & 0xFF) << shift;
    }
    return result;
}

} // namespace controls
