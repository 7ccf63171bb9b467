#include "controls/WindowHook.h"

#include "ui/Application.h"

#include <commctrl.h>

#include <set>
#include <utility>

namespace controls {

namespace {

// The hooks in place, by window and id. The user-interface thread is the
// only one that hooks windows.
std::set<std::pair<HWND, UINT_PTR>>& Installed() {
    static std::set<std::pair<HWND, UINT_PTR>> installed;
    return installed;
}

} // namespace

bool TWindowHook::Hooked(HWND window, UINT_PTR id) { return Installed().contains({window, id}); }

bool TWindowHook::Install(HWND window) {
    if (window_ == window && window)
        return true;
    if (!window || Hooked(window, id_))
        return false;
    Remove();
    if (!SetWindowSubclass(window, Proc, id_, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    window_ = window;
    Installed().insert({window, id_});
    return true;
}

void TWindowHook::Remove() {
    if (!window_)
        return;
    RemoveWindowSubclass(window_, Proc, id_);
    Installed().erase({window_, id_});
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
