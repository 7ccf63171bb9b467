#pragma once

#include <string>

namespace ui {

// The text of the standard error box: the message, with a full stop added
// when its last character sorts after ".".
std::wstring ErrorBoxText(std::wstring message);

} // namespace ui
