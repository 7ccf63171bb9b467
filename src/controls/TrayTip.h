#pragma once

#include <string>

namespace controls {

// Shells before version 5 show a tip on one line: line breaks become " - ".
std::wstring TrayHintForShell(std::wstring hint, bool modernShell);

// The tip the notification area shows for a hint: the part before the
// first "|", cut to what the shell's record holds (127 characters, or 63 on
// shells before version 5).
std::wstring TrayTipText(const std::wstring& hint, bool modernShell);

} // namespace controls
