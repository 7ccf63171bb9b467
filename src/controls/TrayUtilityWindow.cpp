#include "controls/TrayUtilityWindow.h"

#include "ui/Application.h"
#include "ui/WindowClass.h"

#include <stdexcept>

namespace controls {
namespace {

const wchar_t* ClassName() { return ui::RegisterWindowClass(L"KfpTrayWindow", DefWindowProcW); }

} // namespace

UINT TrayUtilityWindow::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

TrayUtilityWindow::TrayUtilityWindow(Handler handler) : handler_(std::move(handler)) {
    TaskbarCreatedMessage();
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName(), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!window_)
        throw std::runtime_error("Cannot create the tray icon's window");
    // Handled from here on; creation itself needs nothing of ours.
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
}

TrayUtilityWindow::~TrayUtilityWindow() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK TrayUtilityWindow::WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TrayUtilityWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    std::optional<LRESULT> result;
    if (self)
        ui::App().Guard([&] { result = self->handler_(msg, wp, lp); });
    return result ? *result : DefWindowProcW(window, msg, wp, lp);
}

} // namespace controls
