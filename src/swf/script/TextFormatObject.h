#pragma once

#include "swf/script/Object.h"
#include "swf/script/TextFormat.h"

namespace swf::script {

class Vm;

// A TextFormat object showing a format: every property there, null where
// the format leaves it out.
ObjectPtr NewTextFormatObject(Vm& vm, const TextFormat& format);
// The format a TextFormat (or any) object describes: null and undefined
// properties are left out.
TextFormat ReadTextFormat(Vm& vm, const Value& object);
// getTextExtent: the size of a text in a format, as an object with width,
// height, ascent, descent, textFieldWidth and textFieldHeight.
Value TextExtentObject(Vm& vm, const TextFormat& format, const std::string& text, const Value& wrapWidth);

} // namespace swf::script
