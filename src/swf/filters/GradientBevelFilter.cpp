#include "swf/filters/GradientBevelFilter.h"

#include "swf/filters/GradientGlowFilter.h"

namespace swf {

EdgeEffect EffectOf(const GradientBevelFilter& f, const FilterScale& scale) {
    return EdgeEffectOf(f, EdgeEffect::Shape::Bevel, scale);
}

} // namespace swf
