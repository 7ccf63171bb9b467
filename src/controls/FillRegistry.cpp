#include "controls/FillRegistry.h"

#include "controls/BackgroundFills.h"

#include <algorithm>
#include <array>

namespace controls {

namespace {

// Sorted by name without regard to case; the registry test checks it.
constexpr std::array<TFillEntry, 7> kFills = {{
    {L"(BitmapCenter)", BitmapCenterFill, true, true},
    {L"(BitmapStretch)", BitmapStretchFill, true, true},
    {L"(BitmapTile)", BitmapTileFill, false, true},
    {kColorFillName, ColorFill, false, false},
    {L"(None)", NoFill, false, false},
    {L"GradientHorz", GradientHorzFill, true, false},
    {L"GradientVert", GradientVertFill, true, false},
}};

// Fill names are plain ASCII, so folding the ASCII letters is enough.
wchar_t Fold(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool LessFolded(std::wstring_view a, std::wstring_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](wchar_t x, wchar_t y) { return Fold(x) < Fold(y); });
}

} // namespace

void DrawFill(const TFillEntry& fill, TMediaBitmap& target, TRect rect, const TFillColors& colors,
              const TMediaBitmap* bitmap) {
    target.FillRect(rect, colors.normal);
    fill.proc(target, rect, colors, fill.usesBitmap ? bitmap : nullptr);
}

std::span<const TFillEntry> FillRegistry() { return kFills; }

const TFillEntry* FindFill(std::wstring_view name) {
    auto byName = [](const TFillEntry& entry, std::wstring_view key) { return LessFolded(entry.name, key); };
    auto it = std::lower_bound(kFills.begin(), kFills.end(), name, byName);
    if (it == kFills.end() || LessFolded(name, it->name))
        return nullptr;
    return &*it;
}

} // namespace controls
