#pragma once

#include "controls/Color.h"
#include "controls/MediaBitmap.h"
#include "controls/Rect.h"

#include <span>
#include <string_view>

namespace controls {

// The three colours every fill is made of.
struct TFillColors {
    TColor normal = clBtnFace;
    TColor dark = clBtnShadow;
    TColor light = clBtnHighlight;
};

// Draws a fill into `rect` of `target`. `bitmap` is the control's picture
// for the fills that use one, null for the others and when there is none.
using TFillProc = void (*)(TMediaBitmap& target, TRect rect, const TFillColors& colors,
                           const TMediaBitmap* bitmap);

struct TFillEntry {
    std::wstring_view name;
    TFillProc proc;
    // A cached picture must have the control's exact size (the drawing
    // depends on it), not merely cover it.
    bool exactSize;
    bool usesBitmap;
};

inline constexpr std::wstring_view kColorFillName = L"(ColorFill)";

// Draws a fill into `rect` of `target`, handing it the bitmap only when it
// uses one. The main colour goes under it first, so that whatever the
// fill leaves out (the transparent pixels of a picture) is defined.
void DrawFill(const TFillEntry& fill, TMediaBitmap& target, TRect rect, const TFillColors& colors,
              const TMediaBitmap* bitmap);

// Every fill there is, sorted by name without regard to case.
std::span<const TFillEntry> FillRegistry();

// The fill of that name, whatever its case; null when there is none.
const TFillEntry* FindFill(std::wstring_view name);

} // namespace controls
