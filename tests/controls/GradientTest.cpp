#include "TestBitmaps.h"

#include "controls/LinearGradient.h"
#include "controls/RadialGradient.h"
#include "controls/reference/PixelReference.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace controls {

using test::Rgb;
using test::RgbOf;

namespace {

std::vector<Rgb> ColumnColours(const TMediaBitmap& bitmap, int x) {
    std::vector<Rgb> colours;
    for (int y = 0; y < bitmap.Height(); ++y)
        colours.push_back(RgbOf(bitmap.Pixel(x, y)));
    return colours;
}

} // namespace

TEST(LinearGradient, PaintsTheWorkedRowColoursAndNeverTheEndColour) {
    TMediaBitmap five;
    five.SetSize(4, 5);
    five.DrawLinearGradient(five.Bounds(), clWhite, clSkyBlue, true);
    std::vector<Rgb> expected5 = {
        {255, 255, 255}, {237, 244, 252}, {219, 234, 249}, {202, 223, 246}, {184, 213, 243}};
    EXPECT_EQ(ColumnColours(five, 0), expected5);
    EXPECT_EQ(ColumnColours(five, 3), expected5);

    TMediaBitmap three;
    three.SetSize(2, 3);
    three.DrawLinearGradient(three.Bounds(), clWhite, clSkyBlue, true);
    std::vector<Rgb> expected3 = {{255, 255, 255}, {225, 237, 250}, {196, 220, 245}};
    EXPECT_EQ(ColumnColours(three, 1), expected3);
    EXPECT_EQ(Channel(three.Pixel(0, 0), 24), 255); // opaque
}

TEST(LinearGradient, UsesOneBandPerPixelUpTo255ThenWiderBandsByMulDiv) {
    auto hundred = LinearGradientBands(100, clWhite, clBlack);
    ASSERT_EQ(hundred.size(), 101u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(hundred[i].end - hundred[i].start, 1);
    EXPECT_EQ(hundred[100].start, 100); // the end colour lies outside

    auto wide = LinearGradientBands(600, clWhite, clBlack);
    ASSERT_EQ(wide.size(), 256u);
    std::set<int> widths;
    for (int i = 0; i < 255; ++i) {
        widths.insert(wide[i].end - wide[i].start);
        if (i > 0) {
            EXPECT_EQ(wide[i].start, wide[i - 1].end);
        }
    }
    EXPECT_EQ(widths, (std::set<int>{2, 3}));
    EXPECT_EQ(wide[254].end, 600);
    EXPECT_TRUE(LinearGradientBands(0, clWhite, clBlack).empty());
}

TEST(LinearGradient, SpreadsTheBandsOverTheRectangleClampedToTheBuffer) {
    TMediaBitmap bitmap;
    bitmap.SetSize(5, 3);
    bitmap.Fill(clBlack);
    // The rectangle reaches 5 pixels beyond the buffer's top; the clamped
    // rectangle is 3 high, so the three rows get the 3-row colours.
    bitmap.DrawLinearGradient({1, -5, 20, 3}, clWhite, clSkyBlue, true);
    EXPECT_EQ(RgbOf(bitmap.Pixel(0, 0)), (Rgb{0, 0, 0}));
    EXPECT_EQ(ColumnColours(bitmap, 4),
              (std::vector<Rgb>{{255, 255, 255}, {225, 237, 250}, {196, 220, 245}}));

    // Horizontal: columns run from left to right.
    bitmap.DrawLinearGradient(bitmap.Bounds(), clBlack, clWhite, false);
    EXPECT_EQ(RgbOf(bitmap.Pixel(0, 2)), (Rgb{0, 0, 0}));
    EXPECT_EQ(RgbOf(bitmap.Pixel(4, 2)), (Rgb{204, 204, 204}));
}

TEST(RadialGradient, MatchesThePerPixelReferenceOnRandomRectangles) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 60; ++trial) {
        TMediaBitmap fast;
        TMediaBitmap slow;
        int w = 1 + random() % 70;
        int h = 1 + random() % 70;
        fast.SetSize(w, h);
        slow.SetSize(w, h);
        fast.Fill(clBlack);
        slow.Fill(clBlack);
        int left = static_cast<int>(random() % 40) - 20;
        int top = static_cast<int>(random() % 40) - 20;
        TRect rect{left, top, left + static_cast<int>(random() % 90), top + static_cast<int>(random() % 90)};
        TPoint centre{10 + static_cast<int>(random() % 81), 10 + static_cast<int>(random() % 81)};
        TColor from = random() & 0xFFFFFF;
        TColor to = random() & 0xFFFFFF;
        fast.DrawRadialGradient(rect, from, centre, to);
        reference::DrawRadialGradient(slow, rect, from, centre, to);
        ASSERT_TRUE(test::SamePixels(fast, slow)) << "trial " << trial;
    }
}

TEST(RadialGradient, GoesFromTheStartColourInTheMiddleOutwards) {
    TMediaBitmap bitmap;
    bitmap.SetSize(100, 100);
    bitmap.Fill(clBlue);
    bitmap.DrawRadialGradient(bitmap.Bounds(), clWhite, {50, 50}, clBlack);
    EXPECT_EQ(RgbOf(bitmap.Pixel(50, 50)), (Rgb{255, 255, 255}));
    // The corner pixel's centre is 70.004 from the middle: the disc of
    // k = 35 (radius 72) is the smallest to hold it, 15/50 of the way:
    // 76.5 rounds to the even 76.
    EXPECT_EQ(RgbOf(bitmap.Pixel(0, 0)), (Rgb{76, 76, 76}));
}

TEST(RadialGradient, DiscSpansAreSymmetricAboutTheCentre) {
    TDisc disc{10, 10, 8};
    int first = 0;
    int last = 0;
    DiscRowSpan(disc, 9, first, last);
    EXPECT_EQ(first, 6);
    EXPECT_EQ(last, 14);
    DiscRowSpan(disc, 20, first, last);
    EXPECT_GE(first, last);
}

} // namespace controls
