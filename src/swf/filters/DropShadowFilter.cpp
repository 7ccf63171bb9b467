#include "swf/filters/DropShadowFilter.h"

#include "swf/GradientRamp.h"

namespace swf {

std::array<uint32_t, 256> ColorRamp(Rgba color) {
    Gradient gradient;
    Rgba clear = color;
    clear.A = 0;
    gradient.Stops = {{0, clear}, {255, color}};
    return BuildRamp(gradient, {});
}

EdgeEffect EffectOf(const DropShadowFilter& f, const FilterScale& scale) {
    return EdgeEffectOf(f, ColorRamp(f.Color), EdgeEffect::Shape::Shadow, scale);
}

} // namespace swf
