#include "TestWindows.h"

#include "controls/BackGround.h"
#include "controls/DibPixelSurface.h"
#include "ui/Form.h"
#include "ui/Panel.h"

#include <gtest/gtest.h>

namespace controls {

namespace {

using Rgb = uint32_t; // 0xRRGGBB as the screen shows it

constexpr ui::TColor kPanelColour = 0x00336699; // R 0x99, G 0x66, B 0x33

Rgb ToRgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// A shown window with a panel; backgrounds are added to it as a program
// would add them at run time.
class FillWindow {
public:
    FillWindow() {
        form.SetClientSize(300, 200);
        panel.SetBounds({10, 10, 100, 50});
        panel.SetColor(kPanelColour);
        form.ShowMain();
        testing_support::PumpMessagesFor(50);
    }

    Rgb Shown(int x, int y) {
        testing_support::PumpMessagesFor(30);
        HDC dc = GetDC(panel.Handle());
        COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(panel.Handle(), dc);
        return ToRgb(c);
    }

    ui::Form form;
    ui::Panel& panel = form.Add<ui::Panel>();
};

} // namespace

TEST(BackGroundWindow, FillsItsParentInTheParentsColourUntilGivenItsOwn) {
    FillWindow w;
    w.panel.SetColor(0x00FFFFFF);
    auto& fill = w.panel.Add<TBackGround>();
    EXPECT_EQ(fill.GetBounds(), (ui::Bounds{0, 0, 100, 50}));
    EXPECT_EQ(fill.FillType(), L"(ColorFill)");
    EXPECT_EQ(w.Shown(50, 25), 0xFFFFFFu);

    w.panel.SetColor(kPanelColour);
    EXPECT_EQ(w.Shown(99, 49), 0x996633u);

    fill.SetFillColorNormal(0x000000FF);
    EXPECT_FALSE(fill.ParentColor());
    EXPECT_EQ(w.Shown(0, 0), 0xFF0000u);
    w.panel.SetColor(0x00FFFFFF);
    EXPECT_EQ(w.Shown(0, 0), 0xFF0000u);

    // The colours a colour fill does not use change nothing that shows.
    fill.SetFillColorDark(0x0000FF00);
    fill.SetFillColorLight(0x00FF0000);
    EXPECT_EQ(w.Shown(60, 30), 0xFF0000u);
}

TEST(BackGroundWindow, TakesOnlyRegisteredFillNames) {
    FillWindow w;
    auto& fill = w.panel.Add<TBackGround>();
    fill.SetFillType(L"(colorfill)");
    EXPECT_EQ(fill.FillType(), L"(ColorFill)");
    fill.SetFillType(L"Sunset");
    EXPECT_EQ(fill.FillType(), L"(ColorFill)");

    fill.SetFillColorLight(0x00FFFFFF);
    fill.SetFillColorDark(0x00000000);
    fill.SetFillType(L"gradientvert");
    EXPECT_EQ(fill.FillType(), L"GradientVert");
    EXPECT_EQ(w.Shown(50, 0), 0xFFFFFFu);
    EXPECT_EQ(w.Shown(50, 49), 0xCECECEu); // one-pixel bands: band 49 of 255 steps

    // Nothing: the panel's own colour stays.
    fill.SetFillType(L"(None)");
    EXPECT_EQ(w.Shown(50, 25), 0x996633u);
}

TEST(BackGroundWindow, ItsCacheGrowsIn64PixelStepsOrFollowsAnExactFill) {
    FillWindow w;
    auto& fill = w.panel.Add<TBackGround>();
    EXPECT_EQ(fill.Cache(), nullptr);
    fill.SetFillCached(true);
    ASSERT_NE(fill.Cache(), nullptr);
    EXPECT_EQ(fill.Cache()->Width(), 128);
    EXPECT_EQ(fill.Cache()->Height(), 64);
    EXPECT_EQ(w.Shown(99, 49), 0x996633u);

    w.panel.SetBounds({10, 10, 120, 60});
    EXPECT_EQ(w.Shown(119, 59), 0x996633u);
    EXPECT_EQ(fill.Cache()->Width(), 128);
    w.panel.SetBounds({10, 10, 130, 60});
    EXPECT_EQ(w.Shown(129, 59), 0x996633u);
    EXPECT_EQ(fill.Cache()->Width(), 192);
    EXPECT_EQ(fill.Cache()->Height(), 64);

    fill.SetFillType(L"GradientHorz");
    w.Shown(0, 0);
    EXPECT_EQ(fill.Cache()->Width(), 130);
    EXPECT_EQ(fill.Cache()->Height(), 60);

    fill.SetFillCached(false);
    EXPECT_EQ(fill.Cache(), nullptr);
}

TEST(BackGroundWindow, OnlyTheFirstFillPlacedOnAnExistingWindowHooksIt) {
    FillWindow w;
    auto& first = w.panel.Add<TBackGround>();
    auto& second = w.panel.Add<TBackGround>();
    EXPECT_TRUE(first.HooksParent());
    EXPECT_FALSE(second.HooksParent());
    EXPECT_EQ(SendMessageW(w.panel.Handle(), WM_ERASEBKGND, 0, 0), 1);

    // Placed before the window exists, as a window description places it.
    ui::Form later;
    auto& panel = later.Add<ui::Panel>();
    panel.SetBounds({0, 0, 50, 50});
    auto& described = panel.Add<TBackGround>();
    later.ShowMain();
    testing_support::PumpMessagesFor(30);
    EXPECT_FALSE(described.HooksParent());
}

TEST(BackGroundWindow, PaintsItselfIntoTheBackgroundItsParentGivesTransparentChildren) {
    FillWindow w;
    auto& fill = w.panel.Add<TBackGround>();
    fill.SetFillColorNormal(0x0000FF00);
    TMediaBitmap picture;
    picture.SetSize(20, 10);
    picture.Fill(0);
    RECT area{30, 20, 50, 30};
    HDC dc = BitmapDc(picture);
    SetViewportOrgEx(dc, -30, -20, nullptr);
    w.panel.PaintBackground(dc, area);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    GdiFlush();
    EXPECT_EQ(picture.Pixel(0, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(picture.Pixel(19, 9) & 0xFFFFFF, 0x00FF00u);
}

} // namespace controls
