#include "controls/Color.h"

#include "controls/SystemColors.h"

namespace controls {

TPixel ColorToPixel(TColor color) {
    uint32_t bgr = (color & 0xFF000000u) == 0xFF000000u ? SystemColorValue(color & 0xFF) : color;
    return MakePixel(255, bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace controls
