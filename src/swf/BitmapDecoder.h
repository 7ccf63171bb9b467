#pragma once

#include "swf/Bitmap.h"
#include "swf/ByteReader.h"

#include <span>
#include <string>

namespace swf {

// Largest bitmap side and pixel count accepted, as the plug-in limits them.
inline constexpr int MaxBitmapSide = 8191;
inline constexpr int64_t MaxBitmapPixels = 16777215;

// Throws swf::Error unless a bitmap of this size may be allocated.
void CheckBitmapSize(int width, int height);

// Sets the bitmap's Opaque flag from its pixels.
void MarkOpacity(Bitmap& bmp);

// DefineBitsLossless (version 1) and DefineBitsLossless2 (version 2), after
// the character id.
Bitmap DecodeLossless(ByteReader& in, int version);

// DefineBits (with the movie's JPEGTables), DefineBitsJPEG2, 3 and 4, after
// the character id: JPEG, PNG or GIF. The separate alpha plane of
// DefineBitsJPEG3 and 4 belongs to JPEG images only; PNG and GIF bring
// their own transparency.
Bitmap DecodeJpegTag(uint16_t code, ByteReader& in, std::span<const uint8_t> tables);

} // namespace swf
