#pragma once

#include "swf/Shape.h"

#include <cstdint>
#include <span>

namespace playback {

// Turns a glyph outline as GetGlyphOutlineW returns it with GGO_NATIVE
// (polygon headers, each followed by line and quadratic spline records, y
// up) into an engine shape with y down, its coordinates multiplied by
// `scale`. Records that do not fit inside the buffer end the outline.
swf::Shape OutlineToShape(std::span<const uint8_t> buffer, double scale);

} // namespace playback
