#include "swf/filters/GradientGlowFilter.h"

#include "swf/GradientRamp.h"

namespace swf {

EdgeEffect GradientEffectOf(const GradientFilterFields& f, EdgeEffect::Shape kind, const FilterScale& scale) {
    Gradient gradient;
    gradient.Stops = f.Stops;
    return EdgeEffectOf(f, BuildRamp(gradient, {}), kind, scale);
}

EdgeEffect EffectOf(const GradientGlowFilter& f, const FilterScale& scale) {
    return GradientEffectOf(f, EdgeEffect::Shape::Shadow, scale);
}

} // namespace swf
