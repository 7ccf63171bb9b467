#pragma once

#include "swf/ByteReader.h"
#include "swf/filters/Filter.h"

namespace swf {

// A FILTERLIST of PlaceObject3 or a button record. Values the plug-in
// limits are held within its limits (blur 0..255, 15 passes, convolution
// matrices of 15 x 15), so no record can make drawing unbounded; an unknown
// filter id is damage.
FilterList ParseFilterList(ByteReader& in);

} // namespace swf
