#include "TestWindows.h"

#include "controls/ColorPicker.h"
#include "controls/DibPixelSurface.h"
#include "controls/VisualStyles.h"
#include "ui/Form.h"
#include "ui/Panel.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

namespace controls {

namespace {

using Rgb = uint32_t; // 0xRRGGBB as the screen shows it

Rgb SystemRgb(int index) {
    COLORREF c = GetSysColor(index);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// A picker on a panel like the main window's colour panel.
class PickerWindow {
public:
    PickerWindow() {
        form.SetClientSize(300, 200);
        panel.SetBounds({20, 10, 168, 145});
        picker.SetBounds({9, 9, 152, 98});
        picker.ShowColorHints = false;
        picker.OnChange = [this] { changes.push_back(picker.SelectedItem()); };
        form.ShowMain();
        testing_support::PumpMessagesFor(100);
    }

    // Mouse messages as the panel gets them, at a point of the picker.
    void Send(UINT msg, WPARAM keys, int x, int y) {
        SendMessageW(panel.Handle(), msg, keys, MAKELPARAM(picker.Left() + x, picker.Top() + y));
    }
    void Click(int x, int y) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        Send(WM_LBUTTONUP, 0, x, y);
    }

    // What the picker shows now, pumping the paints first.
    Rgb Shown(int x, int y) {
        testing_support::PumpMessagesFor(30);
        HDC dc = GetDC(panel.Handle());
        COLORREF c = GetPixel(dc, picker.Left() + x, picker.Top() + y);
        ReleaseDC(panel.Handle(), dc);
        return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }

    ui::Form form;
    ui::Panel& panel = form.Add<ui::Panel>();
    TColorPicker& picker = panel.Add<TColorPicker>();
    std::vector<int> changes;
};

} // namespace

TEST(ColorPickerWindow, SizesItselfToTheGridAndItsFrame) {
    PickerWindow w;
    bool styled = VisualStylesActive();
    EXPECT_EQ(w.picker.Width(), styled ? 150 : 152);
    EXPECT_EQ(w.picker.Height(), styled ? 96 : 98);
    EXPECT_EQ(w.picker.ClientRect().left, styled ? 3 : 4);
    w.picker.SetBounds({9, 9, 300, 20});
    EXPECT_EQ(w.picker.Width(), styled ? 150 : 152);
    w.picker.SetAutoSize(false);
    w.picker.SetBounds({9, 9, 120, 60});
    EXPECT_EQ(w.picker.Width(), 120);
}

TEST(ColorPickerWindow, ClicksSelectByTheHitGrid) {
    PickerWindow w;
    EXPECT_EQ(w.picker.SelectedColor(), 0x1FFFFFFFu);
    w.Click(2, 2);
    w.Click(2, 2);
    EXPECT_EQ(w.changes, std::vector<int>{0});
    w.Click(20, 10);
    EXPECT_EQ(w.picker.SelectedItem(), 1);
    w.Click(147, 40);
    EXPECT_EQ(w.picker.SelectedColor(), 0x1FFFFFFFu);
    w.Click(40, 95);
    EXPECT_EQ(w.changes, (std::vector<int>{0, 1, -1}));
    // Beside the picker the panel keeps its clicks.
    w.Send(WM_LBUTTONDOWN, MK_LBUTTON, 155, 40);
    EXPECT_EQ(w.changes.size(), 3u);
}

TEST(ColorPickerWindow, DraggingSelectsEachCellPassedAndNoneOutside) {
    PickerWindow w;
    w.Send(WM_LBUTTONDOWN, MK_LBUTTON, 2, 10);
    EXPECT_EQ(GetCapture(), w.panel.Handle());
    for (int x = 2; x <= 200; x += 6)
        w.Send(WM_MOUSEMOVE, MK_LBUTTON, x, 10);
    w.Send(WM_LBUTTONUP, 0, 200, 10);
    EXPECT_EQ(w.changes, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, -1}));
    EXPECT_EQ(GetCapture(), nullptr);
    // Moving without the button only hovers.
    w.Send(WM_MOUSEMOVE, 0, 2, 10);
    EXPECT_EQ(w.picker.SelectedItem(), -1);
    EXPECT_EQ(w.picker.HoverItem(), 0);
}

TEST(ColorPickerWindow, PaintsTheSelectedAndTheHoveredCell) {
    PickerWindow w;
    if (VisualStylesActive())
        GTEST_SKIP() << "the plain frames show only without visual styles";
    w.Click(2, 2);
    w.Send(WM_MOUSEMOVE, 0, 25, 25); // over Orange
    EXPECT_EQ(w.Shown(0, 0), SystemRgb(COLOR_BTNSHADOW));
    EXPECT_EQ(w.Shown(1, 1), SystemRgb(COLOR_3DDKSHADOW));
    EXPECT_EQ(w.Shown(3, 3), SystemRgb(COLOR_WINDOW));
    EXPECT_EQ(w.Shown(4, 4), SystemRgb(COLOR_HIGHLIGHT));
    EXPECT_EQ(w.Shown(5, 5), SystemRgb(COLOR_WINDOW));
    EXPECT_EQ(w.Shown(22, 22), SystemRgb(COLOR_BTNSHADOW));
    EXPECT_EQ(w.Shown(23, 23), SystemRgb(COLOR_BTNFACE));
    EXPECT_EQ(w.Shown(27, 27), 0xFF6600u);
    EXPECT_EQ(w.Shown(25, 25), SystemRgb(COLOR_BTNSHADOW)); // swatch frame

    // Leaving the panel clears the hover; the selection stays marked.
    SendMessageW(w.panel.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(w.picker.HoverItem(), -6);
    EXPECT_EQ(w.Shown(23, 23), SystemRgb(COLOR_WINDOW));
    EXPECT_EQ(w.Shown(5, 5), SystemRgb(COLOR_WINDOW));
    EXPECT_EQ(w.Shown(4, 4), SystemRgb(COLOR_HIGHLIGHT));

    // A colour set by the program is marked too.
    w.picker.SetSelectedColor(0x000000FF);
    EXPECT_EQ(w.changes.back(), 16);
    EXPECT_EQ(w.Shown(4, 40), SystemRgb(COLOR_HIGHLIGHT));
    EXPECT_EQ(w.Shown(4, 4), SystemRgb(COLOR_WINDOW));
    EXPECT_EQ(w.Shown(10, 46), 0xFF0000u);
}

TEST(ColorPickerWindow, WithVisualStylesHasAFlatFrameAndStyledCells) {
    PickerWindow w;
    std::optional<ui::TColor> border = ThemedEditBorderColor();
    if (!border)
        GTEST_SKIP() << "no visual styles in this process";
    EXPECT_EQ(w.picker.BorderOuter(), TFrameStyleEx::fsFlat);
    COLORREF c = *border;
    EXPECT_EQ(w.Shown(0, 0), (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    EXPECT_EQ(w.Shown(1, 1), SystemRgb(COLOR_WINDOW));
    EXPECT_EQ(w.Shown(2, 2), SystemRgb(COLOR_WINDOW));

    // The style's pictures lie around the swatches, not over them.
    Rgb plainCorner = w.Shown(21, 3);
    w.Click(20, 2);
    w.Send(WM_MOUSEMOVE, 0, 2, 30); // hover cell 8
    EXPECT_NE(w.Shown(21, 3), plainCorner);
    EXPECT_EQ(w.Shown(26, 7), 0x993300u); // Brown
    EXPECT_EQ(w.Shown(24, 6), SystemRgb(COLOR_BTNSHADOW));
    EXPECT_EQ(w.Shown(8, 26), 0x800000u); // Dark Red
}

TEST(ColorPickerWindow, ShowsTheSwatchNameBelowTheCellUnderTheMouse) {
    PickerWindow w;
    w.picker.ShowColorHints = true;
    w.Send(WM_MOUSEMOVE, 0, 25, 25); // hit cell 9 spans (18, 18) to (36, 36)
    ASSERT_TRUE(w.picker.Hint().Visible());
    // The tip's inside goes there; its border may lie around it.
    POINT hint{0, 0};
    ClientToScreen(w.picker.Hint().Handle(), &hint);
    POINT expected{w.picker.Left() + 18 + 4, w.picker.Top() + 36 + 12};
    ClientToScreen(w.panel.Handle(), &expected);
    EXPECT_EQ(hint.x, expected.x);
    EXPECT_EQ(hint.y, expected.y);
    wchar_t text[64] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = w.panel.Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(w.picker.Hint().Handle());
    tool.lpszText = text;
    SendMessageW(w.picker.Hint().Handle(), TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Orange");

    w.Send(WM_MOUSEMOVE, 0, 150, 96); // the strip beyond the grid
    EXPECT_FALSE(w.picker.Hint().Visible());
    w.Send(WM_MOUSEMOVE, 0, 2, 2);
    EXPECT_TRUE(w.picker.Hint().Visible());
    SendMessageW(w.panel.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(w.picker.Hint().Visible());
}

TEST(ColorPickerWindow, ADisabledOrHiddenPickerIgnoresTheMouse) {
    PickerWindow w;
    w.picker.SetEnabled(false);
    w.Click(2, 2);
    w.picker.SetEnabled(true);
    w.picker.Hide();
    w.Click(2, 2);
    EXPECT_TRUE(w.changes.empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(ColorPickerWindow, AFailingChangeHandlerIsReportedAndTheSelectionStays) {
    PickerWindow w;
    w.picker.OnChange = [] { throw std::runtime_error("No player"); };
    w.Click(2, 2);
    ASSERT_EQ(testing_support::RecordedErrors().size(), 1u);
    EXPECT_EQ(testing_support::RecordedErrors()[0].Text, L"No player.");
    EXPECT_EQ(w.picker.SelectedItem(), 0);
}

} // namespace controls
