#pragma once

#include "swf/script/TextFieldContent.h"

#include <string>

namespace swf::script {

// The HTML text fields speak: <p align>, <br>, <li>, <font face size color
// letterSpacing kerning>, <b>, <i>, <u>, <a href target>, <textformat> and
// entities. Reading starts every character from `base`; other tags are
// dropped, newlines become paragraph ends. A field that is not multiline
// takes no paragraph ends from <p>, <li> and <br>.
TextFieldContent ReadFieldHtml(const std::string& html, const TextFormat& base, bool multiline = true);

// The field's content as the plug-in writes it back: one <P> (or <LI>) per
// paragraph inside <TEXTFORMAT> when it has margins, indents, leading or
// tab stops, nested <FONT> tags for what changes from run to run. An empty
// paragraph shows `empty`'s format.
std::string WriteFieldHtml(const TextFieldContent& content, const TextFormat& empty);

} // namespace swf::script
