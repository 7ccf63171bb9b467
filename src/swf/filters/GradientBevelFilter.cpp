#include "swf/filters/GradientBevelFilter.h"

namespace swf {

EdgeEffect EffectOf(const GradientBevelFilter& f, const FilterScale& scale) {
    return GradientEffectOf(f, EdgeEffect::Shape::Bevel, scale);
}

} // namespace swf
