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

// Script depth d is list depth d + DepthOffset: the file's depths start at
// script depth -16383.
constexpr int32_t DepthOffset = 16384;

// The list depth a script's depth stands for, converted as the plug-in
// converts it (wrapping to 32 bits, NaN as 0); none outside the range
// scripts may place clips in.
std::optional<int32_t> ListDepth(double scriptDepth);
// The script depth of a list depth.
inline double ScriptDepth(int32_t listDepth) { return double(listDepth) - DepthOffset; }

// Places a new instance of a sprite (or an empty clip for id 0) at a list
// depth and constructs it: its class's prototype, the properties of the
// init object, then its class's constructor. Its script object, or
// undefined when it could not be made.
Value CreateClip(Vm& vm, Timeline& parent, const std::string& name, int32_t depth, uint16_t id,
                 const Value& init = {});
// A copy of a placed clip beside it, with its placement and colours.
Value DuplicateClip(Vm& vm, Timeline& source, const std::string& name, int32_t depth, const Value& init = {});

// The constructor Object.registerClass linked to the symbol a clip is an
// instance of; null for none, and for a clip playing a loaded movie.
ObjectPtr ClassOf(Vm& vm, const Timeline& clip);
// Makes the clip an instance of the class, before its constructor runs.
void GiveClass(Vm& vm, const ObjectPtr& clip, const ObjectPtr& constructor);
// Runs the class's constructor on the clip, as `new` would.
void RunConstructor(Vm& vm, const ObjectPtr& clip, const ObjectPtr& constructor);
// The clip a method's argument names: a clip, or a target path read from
// the clip the method was called on; null for anything else.
Timeline* ClipArgument(Vm& vm, const Value& self, const Value& target);
// The highest depth in use in a clip plus one, at least 0, as a script depth.
double NextHighestDepth(const Timeline& t);

} // namespace swf::script
