#pragma once

#include <optional>
#include <string_view>

namespace swf {

// Which named references a text knows: text fields' HTML has &nbsp; as
// well as the five XML names.
enum class EntityNames { Html, Xml };

// The character a reference stands for, from the name between '&' and ';':
// a known name, or a decimal (#65) or hexadecimal (#x41) number of any
// length whose value is a character (1 to U+10FFFF). Nothing otherwise, so
// that the caller keeps the text as written.
std::optional<char32_t> DecodeCharacterEntity(std::string_view name, EntityNames names);

} // namespace swf
