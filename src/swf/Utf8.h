#pragma once

#include <string>

namespace swf {

// Text of the movie as characters: UTF-8, with any byte that is not part
// of a valid sequence taken as Latin-1 (older movies store ANSI text).
std::u32string DecodeUtf8(const std::string& text);

} // namespace swf
