#include "swf/filters/BevelFilter.h"

#include "swf/filters/GradientBevelFilter.h"

namespace swf {

// A two-colour bevel is the gradient bevel whose ramp fades each colour out
// towards the flat middle.
EdgeEffect EffectOf(const BevelFilter& f, const FilterScale& scale) {
    GradientBevelFilter g;
    static_cast<EdgeFilterFields&>(g) = f;
    Rgba highlightClear = f.Highlight, shadowClear = f.Shadow;
    highlightClear.A = 0;
    shadowClear.A = 0;
    g.Stops = {{0, f.Highlight}, {127, highlightClear}, {128, shadowClear}, {255, f.Shadow}};
    return EffectOf(g, scale);
}

} // namespace swf
