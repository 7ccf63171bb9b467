#include "ui/Application.h"

#include "ui/ErrorText.h"
#include "ui/Form.h"
#include "ui/Text.h"

#include <stdexcept>

namespace ui {
namespace {

void ShowModalErrorBox(const std::wstring& text, const std::wstring& caption) {
    HWND owner = GetActiveWindow();
    MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace

Application::Application() : errorBox_(ShowModalErrorBox) {}

Application& Application::Instance() {
    static Application app;
    return app;
}

Application::ErrorBox Application::ReplaceErrorBox(ErrorBox box) {
    std::swap(box, errorBox_);
    return box;
}

std::wstring ExceptionMessage(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return L"Out of memory";
    } catch (const std::exception& e) {
        return Widen(e.what());
    } catch (...) {
        return L"Unknown error";
    }
}

void Application::HandleException() noexcept { ShowError(ExceptionMessage(std::current_exception())); }

void Application::ShowError(const std::wstring& message) noexcept {
    try {
        errorBox_(ErrorBoxText(message), title_);
    } catch (...) {
        // Nothing sensible is left to report to; the program goes on.
    }
}

int Application::Run(Form& mainForm) {
    mainForm_ = &mainForm;
    mainForm.ShowMain();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        Dispatch(msg);
    return static_cast<int>(msg.wParam);
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // leave it for Run
            return;
        }
        Dispatch(msg);
    }
}

void Application::Dispatch(const MSG& msg) {
    // The main window's shortcuts work whatever control has the focus.
    bool key = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (key && mainForm_ && mainForm_->HandleShortCut(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

} // namespace ui
