#include "controls/VisualStyles.h"

#include <shlwapi.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <memory>
#include <type_traits>

namespace controls {

namespace {

struct TThemeDeleter {
    void operator()(HTHEME theme) const { CloseThemeData(theme); }
};
using TThemeHandle = std::unique_ptr<std::remove_pointer_t<HTHEME>, TThemeDeleter>;

TThemeHandle OpenTheme(const wchar_t* classes) {
    return TThemeHandle(VisualStylesActive() ? OpenThemeData(nullptr, classes) : nullptr);
}

int CommonControlsMajorVersion() {
    HMODULE library = GetModuleHandleW(L"comctl32.dll");
    auto get = library ? reinterpret_cast<DLLGETVERSIONPROC>(
                             reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")))
                       : nullptr;
    DLLVERSIONINFO info{sizeof info, 0, 0, 0, 0};
    return get && SUCCEEDED(get(&info)) ? static_cast<int>(info.dwMajorVersion) : 0;
}

} // namespace

bool VisualStylesActive() { return IsThemeActive() && IsAppThemed() && CommonControlsMajorVersion() >= 6; }

std::optional<ui::TColor> ThemedEditBorderColor() {
    TThemeHandle theme = OpenTheme(L"EDIT");
    COLORREF color = 0;
    if (!theme || FAILED(GetThemeColor(theme.get(), EP_EDITTEXT, ETS_NORMAL, TMT_BORDERCOLOR, &color)))
        return std::nullopt;
    return color;
}

bool DrawThemedToolButton(HDC dc, const RECT& rect, bool checked) {
    TThemeHandle theme = OpenTheme(L"TOOLBAR");
    return theme && SUCCEEDED(DrawThemeBackground(theme.get(), dc, TP_BUTTON, checked ? TS_CHECKED : TS_HOT,
                                                  &rect, nullptr));
}

} // namespace controls
