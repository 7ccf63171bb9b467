#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace controls {

// A hook on another control's window procedure, for the windowless
// controls that need messages of the window they are painted on. A window
// holds at most one hook of each id. The hook is removed when this object
// goes or when the window ends, whichever comes first.
class TWindowHook {
public:
    // Answers the result of a message it took, or nothing to pass it on.
    using THandler = std::function<std::optional<LRESULT>(UINT msg, WPARAM wp, LPARAM lp)>;

    TWindowHook(UINT_PTR id, THandler handler) : id_(id), handler_(std::move(handler)) {}
    ~TWindowHook() { Remove(); }
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;

    // Hooks the window unless it already holds a hook of this id (this
    // one's included); answers whether this hook is on it afterwards.
    bool Install(HWND window);
    void Remove();
    HWND Window() const { return window_; }

    static bool Hooked(HWND window, UINT_PTR id);

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    UINT_PTR id_;
    THandler handler_;
    HWND window_ = nullptr;
};

} // namespace controls
