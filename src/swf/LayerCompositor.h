#pragma once

#include "swf/BlendMode.h"
#include "swf/Canvas.h"
#include "swf/filters/FilterImage.h"

namespace swf {

// Lays a layer (an object drawn apart, perhaps filtered) onto the canvas
// with its blend mode, through the clip mask in force. Pixels of the image
// outside the canvas are ignored.
void CompositeLayer(Canvas& canvas, const FilterImage& layer, BlendMode mode);

} // namespace swf
