#include "ui/WindowClass.h"

#include <set>
#include <string>

namespace ui {

const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC proc, UINT style, HCURSOR cursor) {
    static std::set<std::wstring> registered;
    if (registered.insert(name).second) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = style;
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = cursor;
        wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
    return name;
}

} // namespace ui
