#include "TestWindows.h"

#include "controls/DibPixelSurface.h"
#include "controls/MediaProgressBar.h"
#include "resources/ProgramBitmaps.h"
#include "ui/Form.h"
#include "ui/Panel.h"

#include <gtest/gtest.h>

#include <vector>

namespace controls {

namespace {

using Rgb = uint32_t; // 0xRRGGBB as the screen shows it

constexpr ui::TColor kPanelColour = 0x00336699; // R 0x99, G 0x66, B 0x33

// A window with a panel like the main window's control panel, holding the
// two bars set up as the main window's.
class BarWindow {
public:
    BarWindow() {
        resources::LoadProgramBitmaps(bitmaps);
        form.SetClientSize(643, 72);
        panel.SetBounds({0, 0, 643, 72});
        panel.SetColor(kPanelColour);
        bar1.SetBounds({8, 23, 0, 0});
        bar1.SetUp(MediaProgressBar1Setup(), &bitmaps);
        bar2.SetBounds({321, 33, 0, 0});
        bar2.SetUp(MediaProgressBar2Setup(), &bitmaps);
        form.ShowMain();
        testing_support::PumpMessagesFor(100);
    }

    // What the window shows now, without letting any message through.
    static std::vector<std::vector<Rgb>> Screen(ui::WinControl& control) {
        TMediaBitmap shot;
        shot.SetSize(control.Width(), control.Height());
        HDC dc = GetDC(control.Handle());
        BitBlt(BitmapDc(shot), 0, 0, control.Width(), control.Height(), dc, 0, 0, SRCCOPY);
        ReleaseDC(control.Handle(), dc);
        GdiFlush();
        std::vector<std::vector<Rgb>> rows(static_cast<size_t>(shot.Height()));
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                rows[y].push_back(shot.Pixel(x, y) & 0xFFFFFF);
        return rows;
    }

    static std::vector<Rgb> Column(const std::vector<std::vector<Rgb>>& screen, int x) {
        std::vector<Rgb> column;
        for (const auto& row : screen)
            column.push_back(row[x]);
        return column;
    }

    TMediaBitmapList bitmaps;
    ui::Form form;
    ui::Panel& panel = form.Add<ui::Panel>();
    TMediaProgressBar& bar1 = panel.Add<TMediaProgressBar>();
    TMediaProgressBar& bar2 = panel.Add<TMediaProgressBar>();
};

const std::vector<Rgb> kFiveRows = {0xFFFFFF, 0xEDF4FC, 0xDBEAF9, 0xCADFF6, 0xB8D5F3};
const std::vector<Rgb> kThreeRows = {0xFFFFFF, 0xE1EDFA, 0xC4DCF5};

} // namespace

TEST(MediaProgressBar, BothBarsShowTheirGradientAndTheStretchedFill) {
    BarWindow w;
    EXPECT_EQ(w.bar1.Buffer().Picture().Width(), 510);
    EXPECT_EQ(w.bar1.Buffer().Picture().Height(), 30);

    auto empty = BarWindow::Screen(w.bar1);
    EXPECT_EQ(BarWindow::Column(empty, 0), kFiveRows);
    EXPECT_EQ(BarWindow::Column(empty, 495), kFiveRows);

    // Full at 252 of 252: the fill's 7 rows ANDed into 3.
    auto full = BarWindow::Screen(w.bar2);
    EXPECT_EQ(full[0][0], 0xC7E1FFu & 0x7DA9DEu);
    EXPECT_EQ(full[2][182], 0x004CC6u & 0x005EFFu & 0x003E97u);

    w.bar2.SetPosition(0);
    EXPECT_EQ(BarWindow::Column(BarWindow::Screen(w.bar2), 90), kThreeRows);
}

TEST(MediaProgressBar, SettingThePositionRepaintsTheFillAtOnce) {
    BarWindow w;
    w.bar1.SetPosition(50); // repaints before it returns: no pumping here
    auto half = BarWindow::Screen(w.bar1);
    EXPECT_EQ(half[0][0], 0xC7E1FFu);
    EXPECT_EQ(half[2][56], 0x2A66B0u & 0x003E97u);
    EXPECT_EQ(half[4][247], 0x004CC6u & 0x005EFFu);
    EXPECT_EQ(BarWindow::Column(half, 248), kFiveRows);

    // Max 0 and then the frame count, as a newly opened movie does.
    w.bar1.SetMax(0);
    w.bar1.SetMax(9);
    w.bar1.SetPosition(9);
    testing_support::PumpMessagesFor(30);
    EXPECT_EQ(BarWindow::Screen(w.bar1)[4][495], 0x004CC6u & 0x005EFFu);
}

TEST(MediaProgressBar, FollowsWidthChangesWithItsBufferIn30PixelSteps) {
    BarWindow w;
    w.bar1.SetWidth(500);
    EXPECT_EQ(w.bar1.Buffer().Picture().Width(), 510);
    w.bar1.SetWidth(511);
    EXPECT_EQ(w.bar1.Buffer().Picture().Width(), 540);
    w.bar1.SetWidth(479);
    EXPECT_EQ(w.bar1.Buffer().Picture().Width(), 480);
    w.bar1.SetPosition(100);
    testing_support::PumpMessagesFor(30);
    EXPECT_EQ(BarWindow::Screen(w.bar1)[1][478], 0x5589C8u);
}

TEST(MediaProgressBar, TransparentAndBlendShowThePanelUnderTheBar) {
    BarWindow w;
    // A bitmap style without a bitmap draws nothing: the panel shows.
    TMediaBackground nothing;
    nothing.SetStyle(TMediaBackgroundStyle::ebsBitmap);
    w.bar2.SetBackground(nothing);
    w.bar2.SetPosition(0);
    w.bar2.InvalidatePicture();
    testing_support::PumpMessagesFor(30);
    EXPECT_EQ(BarWindow::Screen(w.bar2)[1][10], 0x996633u);

    // The gradient's white row mixed over the panel at 120 of 255.
    w.bar2.SetBackground(w.bar1.Background());
    w.bar2.SetBlend(true);
    testing_support::PumpMessagesFor(30);
    auto mix = [](uint32_t s, uint32_t t) { return ((s * 120 + 128) >> 8) + ((t * 135 + 128) >> 8); };
    EXPECT_EQ(BarWindow::Screen(w.bar2)[0][10], mix(255, 0x99) << 16 | mix(255, 0x66) << 8 | mix(255, 0x33));
}

} // namespace controls
