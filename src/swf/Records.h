#pragma once

#include "swf/ByteReader.h"
#include "swf/ColorTransform.h"
#include "swf/Matrix.h"
#include "swf/Movie.h"

#include <string>

namespace swf {

// The small records shared by many tags.
Rect ReadRect(ByteReader& in);
Matrix ReadMatrix(ByteReader& in);
ColorTransform ReadColorTransform(ByteReader& in, bool withAlpha);
Rgba ReadRgb(ByteReader& in);
Rgba ReadRgba(ByteReader& in);
// A zero-terminated string; a missing terminator ends it at the end of data.
std::string ReadString(ByteReader& in);

} // namespace swf
