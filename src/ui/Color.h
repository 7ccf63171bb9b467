#pragma once

#include <windows.h>

#include <cstdint>

namespace ui {

// The program's colour value: 0x00BBGGRR for a direct colour, 0xFF0000nn for
// system colour number nn, clNone for no colour.
using TColor = uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clBtnFace = 0xFF000000 | COLOR_BTNFACE;
inline constexpr TColor clWindowText = 0xFF000000 | COLOR_WINDOWTEXT;
inline constexpr TColor clBtnShadow = 0xFF000000 | COLOR_BTNSHADOW;
inline constexpr TColor clBtnHighlight = 0xFF000000 | COLOR_BTNHIGHLIGHT;

// The direct colour a value stands for now (system colours resolved).
inline COLORREF ColorToRgb(TColor color) {
    if ((color & 0xFF000000) == 0xFF000000)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFF;
}

} // namespace ui
