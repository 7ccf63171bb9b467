#pragma once

#include "swf/script/Value.h"

#include <cstdint>
#include <optional>
#include <string>

namespace swf {
class Timeline;
}

namespace swf::script {

class Vm;

// The frame index a goto's argument names in a timeline, as the plug-in
// reads it: whole numbers wrap to 32 bits and count from 1, other numbers
// and values are read as labels (undefined seeks the label "undefined"),
// numeric text is a number. `bias` (a scene's offset) is added to both.
// None when the argument names no frame.
std::optional<uint32_t> FrameIndex(Vm& vm, const Timeline& t, const Value& frame, uint32_t bias = 0);

// A frame argument "path:frame" split at its last colon; no path without one.
struct FramePath {
    std::optional<std::string> Path;
    Value Frame;
};
FramePath SplitFramePath(const Value& frame);

} // namespace swf::script
