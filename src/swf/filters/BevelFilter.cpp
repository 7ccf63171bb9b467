#include "swf/filters/BevelFilter.h"

#include "swf/filters/GradientBevelFilter.h"

namespace swf {

// A two-colour bevel is the gradient bevel whose ramp fades each colour out
// towards the flat middle.
EdgeEffect EffectOf(const BevelFilter& f, const FilterScale& scale) {
    GradientBevelFilter g;
    Rgba highlightClear = f.Highlight, shadowClear = f.Shadow;
    highlightClear.A = 0;
    shadowClear.A = 0;
    g.Stops = {{0, f.Highlight}, {127, highlightClear}, {128, shadowClear}, {255, f.Shadow}};
    g.BlurX = f.BlurX;
    g.BlurY = f.BlurY;
    g.Angle = f.Angle;
    g.Distance = f.Distance;
    g.Strength = f.Strength;
    g.Inner = f.Inner;
    g.Knockout = f.Knockout;
    g.HideObject = f.HideObject;
    g.OnTop = f.OnTop;
    g.Passes = f.Passes;
    return EffectOf(g, scale);
}

} // namespace swf
