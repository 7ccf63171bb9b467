#pragma once

#include "swf/Bitmap.h"

#include <cstdint>
#include <span>

namespace swf {

// Decodes the first image of a GIF file into premultiplied pixels the size
// of the file's logical screen, the image at its place on it and the rest
// transparent. Throws swf::Error on damaged data.
Bitmap DecodeGif(std::span<const uint8_t> file);

} // namespace swf
