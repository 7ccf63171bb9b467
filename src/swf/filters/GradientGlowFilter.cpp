#include "swf/filters/GradientGlowFilter.h"

#include "swf/GradientRamp.h"

namespace swf {

EdgeEffect EdgeEffectOf(const GradientFilterFields& f, EdgeEffect::Shape kind, const FilterScale& scale) {
    EdgeEffect e;
    Gradient gradient;
    gradient.Stops = f.Stops;
    e.Ramp = BuildRamp(gradient, {});
    e.Kind = kind;
    e.Where = f.OnTop ? EdgeEffect::Side::Full : f.Inner ? EdgeEffect::Side::Inner : EdgeEffect::Side::Outer;
    e.BlurX = f.BlurX * scale.X;
    e.BlurY = f.BlurY * scale.Y;
    e.Passes = f.Passes;
    ShadowOffset(f.Angle, f.Distance, scale, e);
    e.Strength = f.Strength;
    e.Knockout = f.Knockout;
    e.HideObject = f.HideObject;
    return e;
}

EdgeEffect EffectOf(const GradientGlowFilter& f, const FilterScale& scale) {
    return EdgeEffectOf(f, EdgeEffect::Shape::Shadow, scale);
}

} // namespace swf
