#pragma once

#include "swf/Bitmap.h"

#include <cstdint>
#include <span>

namespace swf {

// Decodes a PNG image of any colour type, bit depth and interlace into
// premultiplied pixels. Throws swf::Error on damaged data.
Bitmap DecodePng(std::span<const uint8_t> file);

} // namespace swf
