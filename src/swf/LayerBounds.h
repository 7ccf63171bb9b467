#pragma once

#include "swf/DisplayObject.h"
#include "swf/Matrix.h"
#include "swf/Rasterizer.h"
#include "swf/filters/FilterImage.h"

#include <optional>

namespace swf {

// The device pixels an object may paint through `toDevice`: every edge and
// control point of its shapes and of its children's, grown by their widest
// line (miters included) and a pixel of anti-aliasing. Nothing when that is
// not known (text, buttons, scrolled children): the caller then takes the
// whole target. Layers are cut to it so that a small filtered clip does not
// cost a layer of the target's size.
std::optional<IntRect> LayerBounds(const DisplayObject& object, const Matrix& toDevice,
                                   FilterScale view = {});

} // namespace swf
