#pragma once

#include "controls/Color.h"

namespace controls {

// Mixes `source` over `target` by the source's alpha a: 255 replaces, 0
// keeps the target, otherwise each byte (alpha included) becomes
// ((s × a + 128) >> 8) + ((t × (255 − a) + 128) >> 8).
TPixel MixPixel(TPixel source, TPixel target);

} // namespace controls
