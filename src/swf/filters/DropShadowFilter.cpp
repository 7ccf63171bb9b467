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
    EdgeEffect e;
    e.Ramp = ColorRamp(f.Color);
    e.Where = f.Inner ? EdgeEffect::Side::Inner : EdgeEffect::Side::Outer;
    e.BlurX = f.BlurX * scale.X;
    e.BlurY = f.BlurY * scale.Y;
    e.Passes = f.Passes;
    ShadowOffset(f.Angle, f.Distance, scale, e);
    e.Strength = f.Strength;
    e.Knockout = f.Knockout;
    e.HideObject = f.HideObject;
    return e;
}

} // namespace swf
