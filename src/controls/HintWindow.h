#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace controls {

// A hint shown where the program says rather than where the system would:
// a tool tip in tracking mode, created on first use.
class THintWindow {
public:
    // Shows `text` with its top-left corner at `screen`.
    void Show(HWND owner, POINT screen, const std::wstring& text);
    void Hide();
    bool Visible() const { return visible_; }
    HWND Handle() const { return window_.get(); }

private:
    bool Create(HWND owner);

    struct TWindowDeleter {
        void operator()(HWND window) const { DestroyWindow(window); }
    };
    std::unique_ptr<std::remove_pointer_t<HWND>, TWindowDeleter> window_;
    HWND owner_ = nullptr;
    std::wstring text_;
    bool visible_ = false;
};

} // namespace controls
