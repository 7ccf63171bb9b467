#include "controls/TrayTip.h"

namespace controls {

std::wstring TrayHintForShell(std::wstring hint, bool modernShell) {
    if (modernShell)
        return hint;
    for (size_t at = hint.find(L"\r\n"); at != std::wstring::npos; at = hint.find(L"\r\n", at + 3))
        hint.replace(at, 2, L" - ");
    return hint;
}

std::wstring TrayTipText(const std::wstring& hint, bool modernShell) {
    size_t longest = modernShell ? 127 : 63;
    return hint.substr(0, hint.find(L'|')).substr(0, longest);
}

} // namespace controls
