#include "swf/filters/GlowFilter.h"

#include "swf/filters/DropShadowFilter.h"

namespace swf {

EdgeEffect EffectOf(const GlowFilter& f, const FilterScale& scale) {
    DropShadowFilter shadow{f.Color, f.BlurX,    f.BlurY,      0,       0, f.Strength,
                            f.Inner, f.Knockout, f.HideObject, f.Passes};
    return EffectOf(shadow, scale);
}

} // namespace swf
