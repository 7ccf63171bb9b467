#pragma once

#include <cstdint>
#include <string>

namespace swf::script {

// Strings are UTF-8 inside the engine; scripts count and index characters.
size_t Utf8Length(const std::string& s);
// The byte offset of character `index` (the end for an index past it).
size_t Utf8Offset(const std::string& s, size_t index);
// Character `index` as a code point, or -1.
int32_t Utf8CodePoint(const std::string& s, size_t index);
std::string Utf8Encode(uint32_t codePoint);
// Characters [start, start + count) of s.
std::string Utf8Substring(const std::string& s, size_t start, size_t count);
std::string ToLowerAscii(std::string s);
std::string ToUpperAscii(std::string s);
// escape() and unescape(), which form data (LoadVars, loadVariables) uses
// too: every byte but letters and digits as %XX; %XX and '+' decoded.
std::string UrlEscape(const std::string& s);
std::string UrlUnescape(const std::string& s);

} // namespace swf::script
