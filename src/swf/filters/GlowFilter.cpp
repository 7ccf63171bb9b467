#include "swf/filters/GlowFilter.h"

#include "swf/filters/DropShadowFilter.h"

namespace swf {

EdgeEffect EffectOf(const GlowFilter& f, const FilterScale& scale) {
    return EdgeEffectOf(f, ColorRamp(f.Color), EdgeEffect::Shape::Shadow, scale);
}

} // namespace swf
