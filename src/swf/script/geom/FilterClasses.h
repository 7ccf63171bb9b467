#pragma once

#include "swf/filters/Filter.h"
#include "swf/script/Value.h"

#include <optional>

namespace swf::script {
class Vm;
}

// The flash.filters classes: each keeps its fields (clamped as the plug-in
// clamps them) behind accessors, and converts to and from the engine's
// filters that the renderer draws.
namespace swf::script::geom {

void InstallFilterClasses(Vm& vm);
// MovieClip.filters: copies of the clip's filters, read and set.
void InstallClipFilters(Vm& vm);
// A new script object of the engine's filter.
Value FilterToScript(Vm& vm, const Filter& filter);
// The engine's filter of a script filter object; nothing for anything
// else (and for the filters the renderer does not draw).
std::optional<Filter> FilterFromScript(Vm& vm, const Value& object);

} // namespace swf::script::geom
