#include "controls/HintWindow.h"

#include <commctrl.h>

namespace controls {

namespace {

TOOLINFOW ToolFor(HWND tip, HWND owner, std::wstring& text) {
    TOOLINFOW tool{};
    // The short form works with every version of the common controls.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(tip);
    tool.lpszText = text.data();
    return tool;
}

} // namespace

bool THintWindow::Create(HWND owner) {
    if (window_ && owner == owner_)
        return true;
    window_.reset(CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr));
    owner_ = owner;
    if (!window_)
        return false;
    TOOLINFOW tool = ToolFor(window_.get(), owner, text_);
    SendMessageW(window_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

void THintWindow::Show(HWND owner, POINT screen, const std::wstring& text) {
    if (!Create(owner))
        return;
    text_ = text;
    TOOLINFOW tool = ToolFor(window_.get(), owner, text_);
    SendMessageW(window_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(window_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x, screen.y));
    SendMessageW(window_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    visible_ = true;
}

void THintWindow::Hide() {
    if (!window_ || !visible_)
        return;
    TOOLINFOW tool = ToolFor(window_.get(), owner_, text_);
    SendMessageW(window_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    visible_ = false;
}

} // namespace controls
