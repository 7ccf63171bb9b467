#pragma once

#include <windows.h>

#include <functional>

namespace ui {

// A window-message timer. Ticks arrive through the message loop, on the
// user-interface thread, like every other event.
class Timer {
public:
    Timer() = default;
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    UINT Interval() const { return interval_; }
    void SetInterval(UINT milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    static HWND Window();
    void Restart();

    UINT interval_ = 1000;
    bool enabled_ = false;
};

} // namespace ui
