#include "controls/AlphaMix.h"
#include "controls/Color.h"
#include "controls/Numeric.h"

#include <gtest/gtest.h>

namespace controls {

TEST(MulDiv, RoundsHalvesAwayFromZeroWithA64BitProduct) {
    EXPECT_EQ(MulDiv(1, 5, 2), 3);
    EXPECT_EQ(MulDiv(-1, 5, 2), -3);
    EXPECT_EQ(MulDiv(1, -5, 2), -3);
    EXPECT_EQ(MulDiv(-1, -5, 2), 3);
    EXPECT_EQ(MulDiv(7, 600, 255), 16); // 16.47
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    EXPECT_EQ(MulDiv(0x7FFFFFFF, 4, 1), -1);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(7.5L), 8);
    EXPECT_EQ(RoundHalfEven(-0.5L), 0);
    EXPECT_EQ(RoundHalfEven(4.96L), 5);
}

TEST(ColorToPixel, SwapsDirectColoursAndResolvesSystemColours) {
    EXPECT_EQ(ColorToPixel(clSkyBlue), 0xFFA6CAF0u);
    EXPECT_EQ(ColorToPixel(0x00112233), 0xFF332211u);
    EXPECT_EQ(ColorToPixel(clWindow), 0xFFFFFFFFu);
    EXPECT_EQ(ColorToPixel(clBtnFace), 0xFFD4D0C8u);
    EXPECT_EQ(ColorToPixel(clGradientActiveCaption), 0xFFA6CAF0u);
    EXPECT_EQ(ColorToPixel(SystemColor(200)), 0xFF000000u); // unknown number
}

TEST(MixPixel, FollowsTheByteFormulaAndShortcutsOpaqueAndClear) {
    EXPECT_EQ(MixPixel(0xFF123456, 0x80ABCDEF), 0xFF123456u);
    EXPECT_EQ(MixPixel(0x00123456, 0x80ABCDEF), 0x80ABCDEFu);
    // a = 0x78 (120): each byte ((s·a + 128) >> 8) + ((t·(255 − a) + 128) >> 8).
    auto expect = [](uint32_t s, uint32_t t) { return ((s * 120 + 128) >> 8) + ((t * 135 + 128) >> 8); };
    TPixel mixed = MixPixel(0x78FF0010, 0xFF20FFFF);
    EXPECT_EQ(Channel(mixed, 24), expect(0x78, 0xFF));
    EXPECT_EQ(Channel(mixed, 16), expect(0xFF, 0x20));
    EXPECT_EQ(Channel(mixed, 8), expect(0x00, 0xFF));
    EXPECT_EQ(Channel(mixed, 0), expect(0x10, 0xFF));
}

} // namespace controls
