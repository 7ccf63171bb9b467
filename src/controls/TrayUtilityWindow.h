#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace controls {

// The hidden top-level tool window of a tray icon. It is not message-only,
// so that it receives what the system broadcasts to top-level windows (the
// taskbar's re-creation, the end of the session). Messages the handler
// leaves (nullopt) get the default processing; what it throws goes to the
// application's error box.
class TrayUtilityWindow {
public:
    using Handler = std::function<std::optional<LRESULT>(UINT msg, WPARAM wp, LPARAM lp)>;

    explicit TrayUtilityWindow(Handler handler);
    ~TrayUtilityWindow();
    TrayUtilityWindow(const TrayUtilityWindow&) = delete;
    TrayUtilityWindow& operator=(const TrayUtilityWindow&) = delete;

    HWND Handle() const { return window_; }

    // The message the shell broadcasts when the taskbar has been created
    // anew; registered once per process.
    static UINT TaskbarCreatedMessage();

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);

    Handler handler_;
    HWND window_ = nullptr;
};

} // namespace controls
