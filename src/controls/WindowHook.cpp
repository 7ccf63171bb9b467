#include "controls/WindowHook.h"

#include "ui/Application.h"

#include <commctrl.h>

namespace controls {

bool TWindowHook::Hooked(HWND window, UINT_PTR id) {
    DWORD_PTR data = 0;
    return window && GetWindowSubclass(window, Proc, id, &data);
}

bool TWindowHook::Install(HWND window) {
    if (window_ == window && window)
        return true;
    if (!window || Hooked(window, id_))
        return false;
    Remove();
    if (!SetWindowSubclass(window, Proc, id_, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    window_ = window;
    return true;
}

void TWindowHook::Remove() {
    if (window_)
        RemoveWindowSubclass(window_, Proc, id_);
    window_ = nullptr;
}

LRESULT CALLBACK TWindowHook::Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<TWindowHook*>(data);
    if (msg == WM_NCDESTROY) {
        self->Remove();
        return DefSubclassProc(window, msg, wp, lp);
    }
    std::optional<LRESULT> result;
    ui::App().Guard([&] { result = self->handler_(msg, wp, lp); });
    return result ? *result : DefSubclassProc(window, msg, wp, lp);
}

} // namespace controls
