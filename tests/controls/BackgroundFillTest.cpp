#include "controls/BackgroundFills.h"
#include "controls/FillCache.h"
#include "controls/FillRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>

namespace controls {

namespace {

constexpr TPixel Rgb(uint32_t rgb) { return 0xFF000000u | rgb; }

std::wstring Lower(std::wstring_view name) {
    std::wstring lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
    return lower;
}

TMediaBitmap Canvas(int width, int height) {
    TMediaBitmap canvas;
    canvas.SetSize(width, height);
    canvas.Fill(clBlack);
    return canvas;
}

// A 3 x 2 picture: red, green, blue over white, grey, yellow.
TMediaBitmap Picture() {
    TMediaBitmap picture;
    picture.SetSize(3, 2);
    const TPixel pixels[] = {Rgb(0xFF0000), Rgb(0x00FF00), Rgb(0x0000FF),
                             Rgb(0xFFFFFF), Rgb(0x808080), Rgb(0xFFFF00)};
    for (int i = 0; i < 6; ++i)
        picture.SetPixel(i % 3, i / 3, pixels[i]);
    return picture;
}

const TFillColors kColors{0x00332211, 0x00000000, 0x00FFFFFF};

} // namespace

TEST(FillRegistry, IsSortedWithoutCaseAndFindsNamesInAnyCase) {
    auto fills = FillRegistry();
    for (size_t i = 1; i < fills.size(); ++i)
        EXPECT_LT(Lower(fills[i - 1].name), Lower(fills[i].name));

    const TFillEntry* colorFill = FindFill(L"(colorfill)");
    ASSERT_NE(colorFill, nullptr);
    EXPECT_EQ(colorFill->name, L"(ColorFill)");
    EXPECT_EQ(FindFill(L"(COLORFILL)"), colorFill);
    ASSERT_NE(FindFill(L"(none)"), nullptr);
    EXPECT_EQ(FindFill(L"(None)")->name, L"(None)");
    EXPECT_EQ(FindFill(L"gradientvert")->name, L"GradientVert");
    for (const wchar_t* missing : {L"", L"(Color", L"(ColorFill) ", L"Hanoi", L"(ColorFil)"})
        EXPECT_EQ(FindFill(missing), nullptr) << missing;
}

TEST(FillRegistry, OnlyTheSizeDependentFillsNeedAnExactCache) {
    for (const TFillEntry& fill : FillRegistry()) {
        bool exact = fill.name == L"(BitmapCenter)" || fill.name == L"(BitmapStretch)" ||
                     fill.name.starts_with(L"Gradient");
        EXPECT_EQ(fill.exactSize, exact) << std::string(fill.name.begin(), fill.name.end());
        EXPECT_EQ(fill.usesBitmap, fill.name.starts_with(L"(Bitmap"));
    }
}

TEST(BackgroundFills, ColourFillsItsRectangleOnly) {
    TMediaBitmap canvas = Canvas(6, 4);
    DrawFill(*FindFill(L"(ColorFill)"), canvas, {1, 1, 5, 3}, kColors, nullptr);
    EXPECT_EQ(canvas.Pixel(1, 1), Rgb(0x112233));
    EXPECT_EQ(canvas.Pixel(4, 2), Rgb(0x112233));
    EXPECT_EQ(canvas.Pixel(5, 2), Rgb(0x000000));
    EXPECT_EQ(canvas.Pixel(0, 0), Rgb(0x000000));
}

TEST(BackgroundFills, BitmapFillsPlaceThePictureOrFallBackToTheColour) {
    TMediaBitmap picture = Picture();
    TMediaBitmap canvas = Canvas(8, 6);
    DrawFill(*FindFill(L"(BitmapCenter)"), canvas, {0, 0, 8, 6}, kColors, &picture);
    EXPECT_EQ(canvas.Pixel(2, 2), Rgb(0xFF0000)); // offset ((8 - 3) div 2, (6 - 2) div 2)
    EXPECT_EQ(canvas.Pixel(4, 3), Rgb(0xFFFF00));
    EXPECT_EQ(canvas.Pixel(1, 2), Rgb(0x112233));
    EXPECT_EQ(canvas.Pixel(5, 2), Rgb(0x112233));

    // Larger than the rectangle: the middle shows, nothing spills out.
    canvas = Canvas(4, 3);
    BitmapCenterFill(canvas, {1, 1, 2, 2}, kColors, &picture);
    EXPECT_EQ(canvas.Pixel(1, 1), Rgb(0x00FF00)); // offset (1 - 1, 1 + 0)
    EXPECT_EQ(canvas.Pixel(0, 1), Rgb(0x000000));
    EXPECT_EQ(canvas.Pixel(2, 1), Rgb(0x000000));

    canvas = Canvas(8, 5);
    BitmapTileFill(canvas, {1, 1, 8, 5}, kColors, &picture);
    EXPECT_EQ(canvas.Pixel(1, 1), Rgb(0xFF0000));
    EXPECT_EQ(canvas.Pixel(4, 3), Rgb(0xFF0000));
    EXPECT_EQ(canvas.Pixel(5, 2), Rgb(0x808080));
    EXPECT_EQ(canvas.Pixel(6, 4), Rgb(0xFFFF00));
    EXPECT_EQ(canvas.Pixel(0, 0), Rgb(0x000000));

    canvas = Canvas(6, 4);
    BitmapStretchFill(canvas, {0, 0, 6, 4}, kColors, &picture);
    EXPECT_EQ(canvas.Pixel(1, 1), Rgb(0xFF0000));
    EXPECT_EQ(canvas.Pixel(5, 3), Rgb(0xFFFF00));

    TMediaBitmap none;
    for (TFillProc fill : {BitmapCenterFill, BitmapStretchFill, BitmapTileFill}) {
        canvas = Canvas(3, 3);
        fill(canvas, {0, 0, 3, 3}, kColors, &none);
        fill(canvas, {0, 0, 3, 3}, kColors, nullptr);
        EXPECT_EQ(canvas.Pixel(2, 2), Rgb(0x112233));
    }
}

TEST(BackgroundFills, GradientsStepFromLightToDarkInEqualBands) {
    // Spread 4 in red: 5 steps, bands of 10 div 5 + 1 = 3 pixels.
    TFillColors colors{clBlack, 0x00000004, 0x00000000};
    EXPECT_EQ(GradientSteps(colors.light, colors.dark, 10).steps, 5);
    EXPECT_EQ(GradientSteps(colors.light, colors.dark, 10).bandWidth, 3);
    TMediaBitmap canvas = Canvas(10, 2);
    GradientHorzFill(canvas, canvas.Bounds(), colors, nullptr);
    std::vector<TPixel> row(canvas.Row(1).begin(), canvas.Row(1).end());
    EXPECT_EQ(row, (std::vector<TPixel>{Rgb(0), Rgb(0), Rgb(0), Rgb(0x010000), Rgb(0x010000), Rgb(0x010000),
                                        Rgb(0x020000), Rgb(0x020000), Rgb(0x020000), Rgb(0x030000)}));

    canvas = Canvas(2, 300);
    TFillColors wide{clBlack, 0x00FF8000, 0x000080FF}; // light orange-red to dark blue
    GradientVertFill(canvas, canvas.Bounds(), wide, nullptr);
    EXPECT_EQ(canvas.Pixel(0, 0), Rgb(0xFF8000));
    EXPECT_EQ(canvas.Pixel(1, 299), GradientBandPixel(wide.light, wide.dark, 299 / 2));
    EXPECT_EQ(GradientBandPixel(wide.light, wide.dark, 255), Rgb(0x0080FF));
    EXPECT_EQ(GradientBandPixel(wide.light, wide.dark, 1000), Rgb(0x0080FF));

    // One colour: one band over everything.
    canvas = Canvas(5, 1);
    GradientHorzFill(canvas, canvas.Bounds(), {clBlack, clWindow, 0x00FFFFFF}, nullptr);
    EXPECT_EQ(canvas.Pixel(4, 0), Rgb(0xFFFFFF));
}

TEST(FillCache, GrowsIn64PixelStepsUnlessTheFillNeedsTheExactSize) {
    const TFillEntry& colorFill = *FindFill(L"(ColorFill)");
    const TFillEntry& gradient = *FindFill(L"GradientHorz");
    TFillCache cache;
    EXPECT_EQ(cache.Update({100, 50}, colorFill, kColors, nullptr).Width(), 128);
    EXPECT_EQ(cache.Picture().Height(), 64);
    EXPECT_FALSE(cache.Dirty());
    cache.Update({120, 60}, colorFill, kColors, nullptr);
    EXPECT_EQ(cache.Picture().Width(), 128);
    cache.Update({130, 60}, colorFill, kColors, nullptr);
    EXPECT_EQ(cache.Picture().Width(), 192);
    EXPECT_EQ(cache.Picture().Height(), 64);
    cache.Update({10, 10}, colorFill, kColors, nullptr); // never shrinks
    EXPECT_EQ(cache.Picture().Width(), 192);
    EXPECT_EQ(TFillCache::SizeFor({128, 256}, {130, 60}, false).y, 256);

    cache.Update({100, 50}, gradient, kColors, nullptr);
    EXPECT_EQ(cache.Picture().Width(), 100);
    EXPECT_EQ(cache.Picture().Height(), 50);
    cache.Update({101, 49}, gradient, kColors, nullptr);
    EXPECT_EQ(cache.Picture().Width(), 101);
    EXPECT_EQ(cache.Picture().Height(), 49);
}

TEST(FillCache, RedrawsWhenMarkedDirtyOrWhenAColourShowsDifferently) {
    const TFillEntry& colorFill = *FindFill(L"(ColorFill)");
    TFillCache cache;
    cache.Update({10, 10}, colorFill, kColors, nullptr);
    TMediaBitmap& picture = cache.Update({10, 10}, colorFill, kColors, nullptr);
    picture.SetPixel(0, 0, Rgb(0xABCDEF)); // stands for a picture left alone
    cache.Update({10, 10}, colorFill, kColors, nullptr);
    EXPECT_EQ(cache.Picture().Pixel(0, 0), Rgb(0xABCDEF));

    cache.MarkDirty();
    cache.Update({10, 10}, colorFill, kColors, nullptr);
    EXPECT_EQ(cache.Picture().Pixel(0, 0), Rgb(0x112233));

    TFillColors parentColor = kColors;
    parentColor.normal = clBtnFace;
    cache.Update({10, 10}, colorFill, parentColor, nullptr);
    EXPECT_EQ(cache.Picture().Pixel(9, 9), Rgb(0xD4D0C8));

    // An empty control draws nothing and keeps the picture.
    cache.MarkDirty();
    EXPECT_EQ(cache.Update({0, 10}, colorFill, kColors, nullptr).Width(), 64);
}

} // namespace controls
