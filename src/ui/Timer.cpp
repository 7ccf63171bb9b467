#include "ui/Timer.h"

#include "ui/Application.h"
#include "ui/WindowClass.h"

#include <set>

namespace ui {
namespace {

// Timers alive now: a tick already queued for a destroyed timer is dropped.
std::set<const Timer*>& LiveTimers() {
    static std::set<const Timer*> timers;
    return timers;
}

} // namespace

HWND Timer::Window() {
    static HWND window = CreateWindowExW(0, RegisterWindowClass(L"KfpTimerWindow", WindowProc), L"", 0, 0, 0, 0, 0,
                                         HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    return window;
}

LRESULT CALLBACK Timer::WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_TIMER)
        return DefWindowProcW(window, msg, wp, lp);
    auto* timer = reinterpret_cast<Timer*>(wp);
    if (LiveTimers().count(timer) && timer->enabled_ && timer->OnTimer)
        App().Guard(timer->OnTimer);
    return 0;
}

Timer::~Timer() {
    LiveTimers().erase(this);
    if (enabled_)
        KillTimer(Window(), reinterpret_cast<UINT_PTR>(this));
}

void Timer::SetInterval(UINT milliseconds) {
    interval_ = milliseconds;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::Restart() {
    auto id = reinterpret_cast<UINT_PTR>(this);
    KillTimer(Window(), id);
    if (enabled_ && interval_ > 0) {
        LiveTimers().insert(this);
        SetTimer(Window(), id, interval_, nullptr);
    }
}

} // namespace ui
