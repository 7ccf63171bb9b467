#pragma once

#include "swf/Bitmap.h"

#include <cstdint>
#include <span>
#include <vector>

namespace swf {

// Rebuilds one clean JPEG stream from the movie's shared tables (may be
// empty) and an image: movies often carry a stray end-of-image and
// start-of-image pair before the image, and DefineBits images leave their
// tables to JPEGTables. Everything up to the scan is merged in order; the
// scan is copied as it is.
std::vector<uint8_t> CleanJpegStream(std::span<const uint8_t> tables, std::span<const uint8_t> image);

// Decodes a JPEG through libjpeg. Throws swf::Error on damaged data.
Bitmap DecodeJpeg(std::span<const uint8_t> tables, std::span<const uint8_t> image);

} // namespace swf
