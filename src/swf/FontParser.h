#pragma once

#include "swf/ByteReader.h"
#include "swf/Font.h"

namespace swf {

// DefineFont, after the id.
Font ParseFont(ByteReader& in);
// DefineFont2 (version 2) and DefineFont3 (version 3), after the id.
Font ParseFont2(ByteReader& in, int version);
// DefineFontInfo (version 1) and DefineFontInfo2 (version 2), after the id:
// the name, style and codes of a DefineFont font.
void ApplyFontInfo(ByteReader& in, int version, Font& font);

} // namespace swf
