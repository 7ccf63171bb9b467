#pragma once

#include <string>
#include <string_view>

namespace ui {

// UTF-8 (exception messages, the engine's texts) to UTF-16 (Win32) and back.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace ui
