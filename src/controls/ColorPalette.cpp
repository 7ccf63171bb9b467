#include "controls/ColorPalette.h"

#include <array>

namespace controls {

namespace {

// System colour 25 has no role and is left out.
constexpr std::array<TPaletteEntry, kPaletteSize> kPalette = {{
    {0x00000000, "Black"},
    {0x00003399, "Brown"},
    {0x00003333, "Olive Green"},
    {0x00003300, "Dark Green"},
    {0x00663300, "Dark Teal"},
    {0x00800000, "Dark Blue"},
    {0x00993333, "Indigo"},
    {0x00333333, "Gray 80%"},
    {0x00000080, "Dark Red"},
    {0x000066FF, "Orange"},
    {0x00008080, "Dark Yellow"},
    {0x00008000, "Green"},
    {0x00808000, "Teal"},
    {0x00FF0000, "Blue"},
    {0x00996666, "Blue Gray"},
    {0x00808080, "Gray 50%"},
    {0x000000FF, "Red"},
    {0x000099FF, "Light Orange"},
    {0x0000CC99, "Lime"},
    {0x00669933, "Sea Green"},
    {0x00999933, "Aqua"},
    {0x00FF6633, "Light Blue"},
    {0x00800080, "Violet"},
    {0x00999999, "Gray 40%"},
    {0x00FF00FF, "Pink"},
    {0x0000CCFF, "Gold"},
    {0x0000FFFF, "Yellow"},
    {0x0000FF00, "Bright Green"},
    {0x00FFFF00, "Turquoise"},
    {0x00FFCC00, "Sky Blue"},
    {0x00663399, "Plum"},
    {0x00C0C0C0, "Gray 25%"},
    {0x00CC99FF, "Rose"},
    {0x0099CCFF, "Tan"},
    {0x0099FFFF, "Light Yellow"},
    {0x00CCFFCC, "Light Green"},
    {0x00FFFFCC, "Light Turquoise"},
    {0x00FFCC99, "Pale Blue"},
    {0x00FF99CC, "Lavender"},
    {0x00FFFFFF, "White"},
    {SystemColor(0), "Scroll Bar"},
    {SystemColor(1), "Background"},
    {SystemColor(2), "Active Caption"},
    {SystemColor(3), "Inactive Caption"},
    {SystemColor(4), "Menu"},
    {SystemColor(5), "Window"},
    {SystemColor(6), "Window Frame"},
    {SystemColor(7), "Menu Text"},
    {SystemColor(8), "Window Text"},
    {SystemColor(9), "Caption Text"},
    {SystemColor(10), "Active Border"},
    {SystemColor(11), "Inactive Border"},
    {SystemColor(12), "Application Workspace"},
    {SystemColor(13), "Highlight"},
    {SystemColor(14), "Highlight Text"},
    {SystemColor(15), "Button Face"},
    {SystemColor(16), "Button Shadow"},
    {SystemColor(17), "Gray Text"},
    {SystemColor(18), "Button Text"},
    {SystemColor(19), "Inactive Caption Text"},
    {SystemColor(20), "Button Highlight"},
    {SystemColor(21), "3D Dark Shadow"},
    {SystemColor(22), "3D Light"},
    {SystemColor(23), "Info Text"},
    {SystemColor(24), "Info Background"},
    {SystemColor(26), "Hot Light"},
    {SystemColor(27), "Gradient Active Caption"},
    {SystemColor(28), "Gradient Inactive Caption"},
    {SystemColor(29), "Menu Highlight"},
    {SystemColor(30), "Menu Bar"},
}};

} // namespace

std::span<const TPaletteEntry, kPaletteSize> Palette() { return kPalette; }

} // namespace controls
