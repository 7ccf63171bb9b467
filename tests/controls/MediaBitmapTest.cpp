#include "TestBitmaps.h"

#include "controls/Stretch.h"
#include "controls/reference/PixelReference.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace controls {

TEST(MediaBitmapSetSize, TakesAbsoluteValuesAndIgnoresZeroSizes) {
    TMediaBitmap bitmap;
    EXPECT_TRUE(bitmap.IsEmpty());
    bitmap.SetSize(0, 10);
    bitmap.SetSize(10, 0);
    EXPECT_TRUE(bitmap.IsEmpty());
    bitmap.SetSize(-20, 10);
    EXPECT_EQ(bitmap.Width(), 20);
    EXPECT_EQ(bitmap.Height(), 10);
    bitmap.Fill(clWhite);
    bitmap.SetSize(20, -10); // same size: pixels stay
    EXPECT_EQ(bitmap.Pixel(19, 9), 0xFFFFFFFFu);
    bitmap.SetSize(0, 5);
    EXPECT_EQ(bitmap.Width(), 20);
}

TEST(MediaBitmapSetSize, AFailureLeavesAnEmptyBufferThatDrawsNothing) {
    TMediaBitmap bitmap;
    bitmap.SetSize(4, 4);
    try {
        bitmap.SetSize(100000, 100000);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Can't allocate the DIB handle");
    }
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_THROW(bitmap.SetSize(INT_MIN, 2), std::runtime_error);
    bitmap.Fill(clWhite);
    bitmap.FillRect({0, 0, 5, 5}, clWhite);
    bitmap.DrawLinearGradient({0, 0, 5, 5}, clWhite, clBlack, true);
    bitmap.DrawRadialGradient({0, 0, 5, 5}, clWhite, {50, 50}, clBlack);
    TMediaBitmap target;
    target.SetSize(3, 3);
    bitmap.StretchDraw(target, target.Bounds(), {0, 0, 3, 3});
    bitmap.TileDraw(target, target.Bounds(), {0, 0, 3, 3});
    bitmap.CopyRect(target, 0, 0, {0, 0, 3, 3});
}

TEST(MediaBitmapFill, ClampsTheRectangleAndSetsAlphaSeparately) {
    TMediaBitmap bitmap;
    bitmap.SetSize(4, 3);
    bitmap.Fill(clBlack);
    bitmap.FillRect({2, -4, 9, 2}, clWhite);
    bitmap.FillRect({3, 1, 1, 3}, clWhite); // inverted: nothing
    EXPECT_EQ(bitmap.Pixel(1, 0), 0xFF000000u);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.Pixel(3, 1), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.Pixel(3, 2), 0xFF000000u);
    bitmap.SetAlpha(120);
    EXPECT_EQ(bitmap.Pixel(3, 1), 0x78FFFFFFu);
}

TEST(MediaBitmapCopy, ClipsToBothBuffersAndMixesOnlyWithPerPixelAlpha) {
    TMediaBitmap source;
    source.SetSize(3, 3);
    source.Fill(clWhite);
    source.SetPixel(0, 1, 0x00123456);
    TMediaBitmap target;
    target.SetSize(4, 4);
    target.Fill(clBlack);
    source.CopyRect(target, 2, -1, {-1, 0, 3, 3}); // source clipped to 0..3, lands at (3, -1)
    EXPECT_EQ(target.Pixel(2, 0), 0xFF000000u);
    EXPECT_EQ(target.Pixel(3, 0), 0x00123456u);
    EXPECT_EQ(target.Pixel(3, 1), 0xFFFFFFFFu);
    EXPECT_EQ(target.Pixel(3, 2), 0xFF000000u);

    source.SetPerPixelAlpha(true);
    target.Fill(clBlack);
    source.CopyRect(target, 0, 0, source.Bounds());
    EXPECT_EQ(target.Pixel(0, 1), 0xFF000000u); // alpha 0 skipped
    EXPECT_EQ(target.Pixel(0, 0), 0xFFFFFFFFu);
}

namespace {

using Draw = std::function<void(const TMediaBitmap&, TMediaBitmap&, TRect, TRect)>;

// Draws random sources into random targets with both routines and compares.
void ExpectSameAsReference(const Draw& fast, const Draw& slow, uint32_t seed) {
    std::mt19937 random(seed);
    auto between = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    for (int trial = 0; trial < 300; ++trial) {
        TMediaBitmap source;
        source.SetSize(between(1, 12), between(1, 12));
        test::FillRandom(source, random);
        source.SetPerPixelAlpha(trial % 3 == 0);
        TMediaBitmap a;
        a.SetSize(between(1, 30), between(1, 30));
        test::FillRandom(a, random);
        TMediaBitmap b;
        b.SetSize(a.Width(), a.Height());
        a.CopyRect(b, 0, 0, a.Bounds());
        TRect target{between(-10, 20), between(-10, 20), 0, 0};
        target.right = target.left + between(-2, 35);
        target.bottom = target.top + between(-2, 35);
        TRect from{between(-2, 8), between(-2, 8), 0, 0};
        from.right = from.left + between(0, 12);
        from.bottom = from.top + between(0, 12);
        fast(source, a, target, from);
        slow(source, b, target, from);
        ASSERT_TRUE(test::SamePixels(a, b)) << "trial " << trial;
    }
}

} // namespace

TEST(MediaBitmapStretch, MatchesThePerPixelReferenceOnRandomInputs) {
    ExpectSameAsReference([](auto& s, auto& t, TRect r, TRect f) { s.StretchDraw(t, r, f); },
                          reference::StretchDraw, 11);
}

TEST(MediaBitmapTile, MatchesThePerPixelReferenceOnRandomInputs) {
    ExpectSameAsReference([](auto& s, auto& t, TRect r, TRect f) { s.TileDraw(t, r, f); },
                          reference::TileDraw, 12);
}

TEST(MediaBitmapStretch, RepeatsToEnlargeAndAndsToReduce) {
    TMediaBitmap source;
    source.SetSize(2, 3);
    source.SetPixel(0, 0, 0xFF0000F0);
    source.SetPixel(1, 0, 0xFF00000F);
    source.SetPixel(0, 1, 0xFF0000FF);
    source.SetPixel(1, 1, 0xFF0000FF);
    source.SetPixel(0, 2, 0xFF00003C);
    source.SetPixel(1, 2, 0xFF00003C);
    TMediaBitmap target;
    target.SetSize(4, 1);
    source.StretchDraw(target, target.Bounds(), source.Bounds());
    // Columns doubled; the three rows ANDed into one.
    EXPECT_EQ(target.Pixel(0, 0), 0xFF000030u);
    EXPECT_EQ(target.Pixel(1, 0), 0xFF000030u);
    EXPECT_EQ(target.Pixel(2, 0), 0xFF00000Cu);
    EXPECT_EQ(target.Pixel(3, 0), 0xFF00000Cu);

    EXPECT_EQ(StretchSpan(2, 5, 7).first, 2); // 7 rows onto 5
    EXPECT_EQ(StretchSpan(2, 5, 7).last, 4);
    EXPECT_EQ(StretchSpan(3, 10, 9).last - StretchSpan(3, 10, 9).first, 1);
}

TEST(MediaBitmapTile, StartsAtTheTopLeftAndClipsTheLastCopies) {
    TMediaBitmap source;
    source.SetSize(2, 1);
    source.SetPixel(0, 0, 1);
    source.SetPixel(1, 0, 2);
    TMediaBitmap target;
    target.SetSize(6, 1);
    target.Fill(clBlack);
    source.TileDraw(target, {1, 0, 6, 1}, source.Bounds());
    EXPECT_EQ(target.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(target.Pixel(1, 0), 1u);
    EXPECT_EQ(target.Pixel(4, 0), 2u);
    EXPECT_EQ(target.Pixel(5, 0), 1u);
}

} // namespace controls
