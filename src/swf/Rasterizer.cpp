#include "swf/Rasterizer.h"

#include <algorithm>
#include <cmath>

namespace swf {

float CoverageOf(FillRule rule, float winding) {
    float w = std::fabs(winding);
    if (rule == FillRule::NonZero || w <= 1)
        return std::min(w, 1.0f);
    w = std::fmod(w, 2.0f);
    return w > 1 ? 2 - w : w;
}

} // namespace swf
