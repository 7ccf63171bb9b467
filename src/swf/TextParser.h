#pragma once

#include "swf/ByteReader.h"
#include "swf/StaticText.h"

namespace swf {

// DefineText (version 1) and DefineText2 (version 2), after the id.
StaticText ParseStaticText(ByteReader& in, int version);

} // namespace swf
