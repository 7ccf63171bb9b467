#pragma once

#include <string>
#include <string_view>

namespace ui {

// UTF-8 (exception messages, the engine's texts) to UTF-16 (Win32) and back;
// or another code page's bytes (0, CP_ACP: the system's ANSI code page, as
// the settings file holds its text).
inline constexpr unsigned Utf8CodePage = 65001;
std::wstring Widen(std::string_view bytes, unsigned codePage = Utf8CodePage);
std::string Narrow(std::wstring_view utf16, unsigned codePage = Utf8CodePage);

} // namespace ui
