#include "app/ViewPopup.h"

#include "playback/ShockwaveFlash.h"
#include "ui/Application.h"
#include "ui/Menu.h"

#include <windows.h>

namespace app {
namespace {

HHOOK hook = nullptr;

// The framework control under a screen point: the window there or the
// nearest of its parents that belongs to one.
ui::WinControl* ControlAt(POINT at) {
    for (HWND window = WindowFromPoint(at); window; window = GetParent(window)) {
        if (ui::WinControl* control = ui::WinControl::FromHandle(window))
            return control;
    }
    return nullptr;
}

LRESULT CALLBACK MouseHook(int code, WPARAM message, LPARAM event) {
    LRESULT passed = CallNextHookEx(hook, code, message, event);
    if (code != HC_ACTION || (message != WM_RBUTTONDOWN && message != WM_RBUTTONUP))
        return passed;
    POINT at = reinterpret_cast<MOUSEHOOKSTRUCT*>(event)->pt;
    auto* player = dynamic_cast<playback::TShockwaveFlash*>(ControlAt(at));
    if (!player)
        return passed;
    if (message == WM_RBUTTONUP && player->PopupMenu) {
        ui::App().Guard([&] {
            player->PopupMenu->PopupComponent = player;
            player->PopupMenu->Popup(at.x, at.y, player->Handle());
        });
    }
    return 1; // the player never sees its right button
}

} // namespace

void InstallViewPopupHook() {
    hook = SetWindowsHookExW(WH_MOUSE, MouseHook, nullptr, GetCurrentThreadId());
}

} // namespace app
