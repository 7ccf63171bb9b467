#pragma once

#include <windows.h>

namespace ui {

// Registers a window class of this module the first time it is asked for
// and returns its name.
const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC proc, UINT style = 0, HCURSOR cursor = nullptr);

} // namespace ui
