#pragma once

#include "controls/Color.h"

#include <span>
#include <string_view>

namespace controls {

// One colour the picker offers, with the name its hint shows.
struct TPaletteEntry {
    TColor color;
    std::string_view name;
};

// The grid's 40 swatches (items 0..39, row by row, 8 to a row) followed by
// the 30 system colours the picker can show below them (items 40..69).
inline constexpr int kGridColorCount = 40;
inline constexpr int kSystemColorCount = 30;
inline constexpr int kPaletteSize = kGridColorCount + kSystemColorCount;

std::span<const TPaletteEntry, kPaletteSize> Palette();

} // namespace controls
