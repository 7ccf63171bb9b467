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

// The manifest asks for version 6 by redirecting the library to it; some
// systems' version 6 still reports an older number, so the redirection is
// asked first.
bool CommonControlsVersion6() {
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof redirection;
    if (FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll",
                                 &redirection))
        return true;
    HMODULE library = GetModuleHandleW(L"comctl32.dll");
    auto get = library ? reinterpret_cast<DLLGETVERSIONPROC>(
                             reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")))
                       : nullptr;
    DLLVERSIONINFO info{sizeof info, 0, 0, 0, 0};
    return get && SUCCEEDED(get(&info)) && info.dwMajorVersion >= 6;
}

} // namespace

bool VisualStylesActive() { return IsThemeActive() && IsAppThemed() && CommonControlsVersion6(); }

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
