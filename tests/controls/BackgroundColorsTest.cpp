#include "playback/BackgroundColors.h"
#include "controls/ColorPalette.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string_view>

namespace playback {

namespace {

using controls::Palette;

// What the player is given for each swatch, in palette order.
constexpr std::array<uint32_t, 40> kBackgroundOfSwatch = {
    0x00000000, 0x00993333, 0x00003333, 0x00003300, 0x00000080, 0x00000080, 0x00003399, 0x00333333,
    0x00996666, 0x00FF0000, 0x00999933, 0x00008000, 0x00008080, 0x000000FF, 0x00663399, 0x00808080,
    0x00FF0000, 0x00FF6633, 0x0000CC99, 0x00669933, 0x00008080, 0x000099FF, 0x00663399, 0x00999999,
    0x00FF00FF, 0x00FFCC00, 0x00FFFF00, 0x0000FF00, 0x0000FFFF, 0x0000CCFF, 0x00800080, 0x00C0C0C0,
    0x00FF99CC, 0x00FFCC99, 0x00FFFFCC, 0x00CCFFCC, 0x0099FFFF, 0x0099CCFF, 0x00CC99FF, 0x00FFFFFF,
};

int SwatchOf(uint32_t color) {
    for (int i = 0; i < controls::kGridColorCount; ++i)
        if (Palette()[i].color == color)
            return i;
    return -1;
}

} // namespace

TEST(BackgroundColors, EachSwatchGivesItsChosenPlayerValue) {
    int changed = 0;
    for (int i = 0; i < controls::kGridColorCount; ++i) {
        uint32_t color = Palette()[i].color;
        EXPECT_EQ(ColorToBackground(color), kBackgroundOfSwatch[i]) << Palette()[i].name;
        changed += ColorToBackground(color) != color;
    }
    EXPECT_EQ(changed, 26);
    // Not a byte swap.
    EXPECT_EQ(ColorToBackground(0x00003399), 0x00993333u);
    EXPECT_EQ(ColorToBackground(0x00663300), 0x00000080u);
    EXPECT_EQ(ColorToBackground(0x00003333), 0x00003333u);
}

TEST(BackgroundColors, PlayerValuesComeBackAsSwatches) {
    // Every key of the reverse table is a player value some swatch gives.
    std::map<uint32_t, uint32_t> reverse;
    for (uint32_t value : kBackgroundOfSwatch)
        if (BackgroundToColor(value) != value)
            reverse[value] = BackgroundToColor(value);
    EXPECT_EQ(reverse.size(), 22u);

    // Four swatches share their player value with another and come back as
    // that one.
    const std::map<std::string_view, std::string_view> comesBackAs = {
        {"Dark Teal", "Dark Blue"}, {"Orange", "Red"}, {"Teal", "Aqua"}, {"Blue Gray", "Violet"}};
    for (int i = 0; i < controls::kGridColorCount; ++i) {
        int back = SwatchOf(BackgroundToColor(ColorToBackground(Palette()[i].color)));
        ASSERT_GE(back, 0) << Palette()[i].name;
        auto other = comesBackAs.find(Palette()[i].name);
        EXPECT_EQ(Palette()[back].name, other == comesBackAs.end() ? Palette()[i].name : other->second);
    }
}

TEST(BackgroundColors, ValuesOutsideTheTablesPassUnchanged) {
    for (uint32_t value : {0x1FFFFFFFu, 0xFF00000Fu, 0x00993300u, 0x00123456u, 0x01000080u}) {
        EXPECT_EQ(ColorToBackground(value), value);
        EXPECT_EQ(BackgroundToColor(value), value);
    }
    EXPECT_EQ(BackgroundToColor(0x00FF0000), 0x000000FFu); // Red
    EXPECT_EQ(ColorToBackground(0x00CC99FF), 0x00FF99CCu); // Rose
}

} // namespace playback
