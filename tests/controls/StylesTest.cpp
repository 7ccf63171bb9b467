#include "TestBitmaps.h"

#include "controls/MediaBackground.h"
#include "controls/MediaBitmapList.h"
#include "controls/MediaBorder.h"
#include "controls/PlasmaTexture.h"

#include <gtest/gtest.h>

namespace controls {

namespace {

void AddBitmap(TMediaBitmapList& list, int width, int height, TColor color) {
    TMediaBitmap& bitmap = list.Add();
    bitmap.SetSize(width, height);
    bitmap.Fill(color);
}

} // namespace

TEST(MediaBackground, SettersClampAndRaiseOnChange) {
    TMediaBackground style;
    int changes = 0;
    style.OnChange = [&] { ++changes; };
    style.SetGradientCenterX(5);
    style.SetGradientCenterY(95);
    EXPECT_EQ(style.GradientCenterX(), 10);
    EXPECT_EQ(style.GradientCenterY(), 90);

    TMediaBitmapList list;
    for (int i = 0; i < 3; ++i)
        AddBitmap(list, 2, 2, clBlue);
    style.SetBitmapIndex(5); // no list yet: stored as given
    EXPECT_EQ(style.BitmapIndex(), 5);
    style.SetBitmaps(&list);
    style.SetBitmapIndex(5);
    EXPECT_EQ(style.BitmapIndex(), 3);
    style.SetBitmapIndex(-1);
    EXPECT_EQ(style.BitmapIndex(), -1);
    EXPECT_EQ(changes, 6);
}

TEST(MediaBackground, DrawsABitmapOnlyWhenItsIndexIsInRange) {
    TMediaBitmapList list;
    AddBitmap(list, 2, 2, clBlue);
    list.Add(); // a bitmap without pixels
    TMediaBackground style;
    style.SetStyle(TMediaBackgroundStyle::ebsBitmap);
    style.SetBitmaps(&list);
    TMediaBitmap target;
    target.SetSize(3, 3);
    for (int index : {-1, 1, 2, 5}) {
        target.Fill(clBlack);
        style.SetBitmapIndex(index);
        style.Draw(target, target.Bounds());
        EXPECT_EQ(target.Pixel(1, 1), 0xFF000000u) << index;
    }
    style.SetBitmapIndex(0);
    style.Draw(target, {1, 1, 3, 3});
    EXPECT_EQ(target.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(target.Pixel(2, 2), 0xFF0000FFu);
}

TEST(MediaBackground, KeepsAPlasmaTextureOnlyWhileThePlasmaStyleIsOn) {
    TRandom random(1);
    TMediaBackground style(random);
    EXPECT_EQ(style.PlasmaTexture(), nullptr);
    style.SetStyle(TMediaBackgroundStyle::ebsPlasma);
    ASSERT_NE(style.PlasmaTexture(), nullptr);
    EXPECT_EQ(style.PlasmaTexture()->Width(), 150);
    const TMediaBitmap* first = style.PlasmaTexture();
    style.SetColor(clBlack); // regenerates
    EXPECT_NE(style.PlasmaTexture(), first);

    TMediaBitmap target;
    target.SetSize(160, 4);
    style.Draw(target, target.Bounds());
    EXPECT_EQ(target.Pixel(155, 2), style.PlasmaTexture()->Pixel(5, 2)); // tiled

    style.SetStyle(TMediaBackgroundStyle::ebsColor);
    EXPECT_EQ(style.PlasmaTexture(), nullptr);
}

TEST(PlasmaTexture, RampRunsBetweenTheColoursAndHeightsStayInIt) {
    auto ramp = TPlasmaTexture::Ramp(clBlack, clWhite);
    EXPECT_EQ(ramp[0], 0xFF000000u);
    EXPECT_EQ(ramp[236], 0xFFFFFFFFu);
    EXPECT_EQ(ramp[118], 0xFF808080u); // 127.5 rounds to even

    TRandom random(42);
    auto heights = TPlasmaTexture::Heights(random);
    ASSERT_EQ(heights.size(), 151u * 151u);
    for (int y = 0; y < 151; ++y)
        for (int x = 0; x < 151; ++x) {
            int h = heights[y * 151 + x];
            ASSERT_TRUE(h >= 0 && h <= 236);
            bool corner = (x == 0 || x == 150) && (y == 0 || y == 150);
            ASSERT_TRUE(corner || h >= 1) << x << "," << y; // every other point is set
        }
}

TEST(MediaBackground, AssignCopiesFieldsButNotTheHandler) {
    TMediaBackground source;
    source.SetStyle(TMediaBackgroundStyle::ebsGradient);
    source.SetColor(clWhite);
    source.SetGradientOrPlasmaColor(clSkyBlue);
    source.SetGradientCenterX(30);
    int changes = 0;
    TMediaBackground copy;
    copy.OnChange = [&] { ++changes; };
    copy.Assign(source);
    EXPECT_EQ(copy.Style(), TMediaBackgroundStyle::ebsGradient);
    EXPECT_EQ(copy.GradientOrPlasmaColor(), clSkyBlue);
    EXPECT_EQ(copy.GradientCenterX(), 30);
    EXPECT_EQ(changes, 1);
}

TEST(MediaBorder, FramesInsideTheRectangleAndDrawsNothingAtWidthZero) {
    TMediaBorder border;
    border.SetColor(clWhite);
    border.SetWidth(2);
    TMediaBitmap target;
    target.SetSize(7, 7);
    target.Fill(clBlack);
    border.Draw(target, {1, 1, 7, 7});
    EXPECT_EQ(target.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(target.Pixel(2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(target.Pixel(3, 3), 0xFF000000u);
    EXPECT_EQ(target.Pixel(5, 4), 0xFFFFFFFFu);

    target.Fill(clBlack);
    border.SetWidth(0);
    border.Draw(target, target.Bounds());
    EXPECT_EQ(target.Pixel(0, 0), 0xFF000000u);
}

TEST(MediaBorder, BitmapFrameDrawsEdgesAndCornersButNotTheCentre) {
    TMediaBitmapList list;
    TMediaBitmap& bitmap = list.Add();
    bitmap.SetSize(3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            bitmap.SetPixel(x, y, 0xFF000000u | (y * 3 + x + 1));
    TMediaBorder border;
    border.SetBitmaps(&list);
    border.SetBitmapIndex(0);
    border.SetBitmapMarginX(1);
    border.SetBitmapMarginY(1);
    border.SetStyle(TMediaBorderStyle::ebsBitmapBorder);
    TMediaBitmap target;
    target.SetSize(5, 4);
    target.Fill(clWhite);
    border.Draw(target, target.Bounds());
    EXPECT_EQ(target.Pixel(0, 0), 0xFF000001u);
    EXPECT_EQ(target.Pixel(2, 0), 0xFF000002u);
    EXPECT_EQ(target.Pixel(4, 0), 0xFF000003u);
    EXPECT_EQ(target.Pixel(0, 2), 0xFF000004u);
    EXPECT_EQ(target.Pixel(2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(target.Pixel(4, 1), 0xFF000006u);
    EXPECT_EQ(target.Pixel(0, 3), 0xFF000007u);
    EXPECT_EQ(target.Pixel(3, 3), 0xFF000008u);
    EXPECT_EQ(target.Pixel(4, 3), 0xFF000009u);

    int changes = 0;
    border.OnChange = [&] { ++changes; };
    border.SetBitmaps(nullptr);
    EXPECT_EQ(changes, 0);
}

} // namespace controls
