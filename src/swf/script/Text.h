#pragma once

#include <cstdint>
#include <string>

namespace swf::script {

// Strings are UTF-8 inside the engine; scripts count and index them in
// UTF-16 units, as the plug-in does (a character past U+FFFF is two).
std::u16string ToUtf16(const std::string& s);
// Half a surrogate pair becomes U+FFFD.
std::string FromUtf16(const std::u16string& units);
size_t TextLength(const std::string& s);
// Unit `index`, or -1 past the end.
int32_t TextUnit(const std::string& s, size_t index);
// Units [start, start + count) of s.
std::string TextSubstring(const std::string& s, size_t start, size_t count);
std::string Utf8Encode(uint32_t codePoint);
std::string ToLowerAscii(std::string s);
std::string ToUpperAscii(std::string s);
// escape() and unescape(), which form data (LoadVars, loadVariables) uses
// too: every byte but letters and digits as %XX; %XX and '+' decoded.
std::string UrlEscape(const std::string& s);
std::string UrlUnescape(const std::string& s);

} // namespace swf::script
