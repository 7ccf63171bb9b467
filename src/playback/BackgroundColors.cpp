#include "playback/BackgroundColors.h"

#include <algorithm>
#include <array>
#include <utility>

namespace playback {

namespace {

using TPair = std::pair<uint32_t, uint32_t>;

// Picker swatch → player value. The swatches missing here (Black, Olive
// Green, Dark Green, Gray 80%, Green, Gray 50%, Lime, Sea Green, Gray 40%,
// Pink, Bright Green, Gray 25%, Light Green, White) pass unchanged.
constexpr std::array<TPair, 26> kToBackground = {{
    {0x00003399, 0x00993333}, // Brown
    {0x00663300, 0x00000080}, // Dark Teal
    {0x00800000, 0x00000080}, // Dark Blue
    {0x00993333, 0x00003399}, // Indigo
    {0x00000080, 0x00996666}, // Dark Red
    {0x000066FF, 0x00FF0000}, // Orange
    {0x00008080, 0x00999933}, // Dark Yellow
    {0x00808000, 0x00008080}, // Teal
    {0x00FF0000, 0x000000FF}, // Blue
    {0x00996666, 0x00663399}, // Blue Gray
    {0x000000FF, 0x00FF0000}, // Red
    {0x000099FF, 0x00FF6633}, // Light Orange
    {0x00999933, 0x00008080}, // Aqua
    {0x00FF6633, 0x000099FF}, // Light Blue
    {0x00800080, 0x00663399}, // Violet
    {0x0000CCFF, 0x00FFCC00}, // Gold
    {0x0000FFFF, 0x00FFFF00}, // Yellow
    {0x00FFFF00, 0x0000FFFF}, // Turquoise
    {0x00FFCC00, 0x0000CCFF}, // Sky Blue
    {0x00663399, 0x00800080}, // Plum
    {0x00CC99FF, 0x00FF99CC}, // Rose
    {0x0099CCFF, 0x00FFCC99}, // Tan
    {0x0099FFFF, 0x00FFFFCC}, // Light Yellow
    {0x00FFFFCC, 0x0099FFFF}, // Light Turquoise
    {0x00FFCC99, 0x0099CCFF}, // Pale Blue
    {0x00FF99CC, 0x00CC99FF}, // Lavender
}};

// Player value → picker colour, named by the swatch it gives back.
constexpr std::array<TPair, 22> kToColor = {{
    {0x00CC99FF, 0x00FF99CC}, // Lavender
    {0x00FF99CC, 0x00CC99FF}, // Rose
    {0x0099CCFF, 0x00FFCC99}, // Pale Blue
    {0x00FFCC99, 0x0099CCFF}, // Tan
    {0x0000CCFF, 0x00FFCC00}, // Sky Blue
    {0x00FFCC00, 0x0000CCFF}, // Gold
    {0x0000FFFF, 0x00FFFF00}, // Turquoise
    {0x00FFFF00, 0x0000FFFF}, // Yellow
    {0x00663399, 0x00800080}, // Violet
    {0x00800080, 0x00663399}, // Plum
    {0x000000FF, 0x00FF0000}, // Blue
    {0x00FF0000, 0x000000FF}, // Red
    {0x000099FF, 0x00FF6633}, // Light Blue
    {0x00FF6633, 0x000099FF}, // Light Orange
    {0x0099FFFF, 0x00FFFFCC}, // Light Turquoise
    {0x00FFFFCC, 0x0099FFFF}, // Light Yellow
    {0x00999933, 0x00008080}, // Dark Yellow
    {0x00008080, 0x00999933}, // Aqua
    {0x00996666, 0x00000080}, // Dark Red
    {0x00993333, 0x00003399}, // Brown
    {0x00003399, 0x00993333}, // Indigo
    {0x00000080, 0x00800000}, // Dark Blue
}};

template <size_t N> uint32_t Look(const std::array<TPair, N>& table, uint32_t value) {
    auto it =
        std::find_if(table.begin(), table.end(), [&](const TPair& pair) { return pair.first == value; });
    return it == table.end() ? value : it->second;
}

} // namespace

uint32_t ColorToBackground(uint32_t color) { return Look(kToBackground, color); }

uint32_t BackgroundToColor(uint32_t background) { return Look(kToColor, background); }

} // namespace playback
