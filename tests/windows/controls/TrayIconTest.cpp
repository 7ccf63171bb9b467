#include "FakeTrayShell.h"
#include "TestWindows.h"

#include "controls/TrayIcon.h"
#include "ui/Form.h"
#include "ui/ImageList.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace controls {

namespace {

using testing_support::FakeTrayShell;
using testing_support::IconColour;
using testing_support::TrayShellState;
using V = TTrayVisibility;

constexpr DWORD kAllFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

// Frame i of the test animation is a square of one colour of its own.
uint32_t FrameColour(int index) { return static_cast<uint32_t>(0x100000 * (index + 1) + 0x4080); }

std::unique_ptr<ui::ImageList> Frames(int count) {
    auto list = std::make_unique<ui::ImageList>(32, 32);
    for (int i = 0; i < count; ++i) {
        std::vector<uint32_t> pixels(32 * 32, 0xFF000000 | FrameColour(i));
        list->AddPixels(pixels.data());
    }
    return list;
}

ui::IconHandle SolidIcon(uint32_t colour) {
    auto list = Frames(0);
    std::vector<uint32_t> pixels(32 * 32, 0xFF000000 | colour);
    list->AddPixels(pixels.data());
    return ui::IconHandle(list->MakeIcon(0));
}

std::vector<uint32_t> FrameColours(std::initializer_list<int> indexes) {
    std::vector<uint32_t> colours;
    for (int index : indexes)
        colours.push_back(FrameColour(index));
    return colours;
}

// A tray icon over a fake shell, set up as the main window's: twelve
// frames, 30 ms between them, owned by a window standing for the program.
class TrayIconTest : public testing::Test {
protected:
    std::shared_ptr<TrayShellState> shell = std::make_shared<TrayShellState>();
    ui::Form form;
    std::unique_ptr<ui::ImageList> frames = Frames(12);
    std::unique_ptr<TTrayIcon> icon = MakeIcon();

    std::unique_ptr<TTrayIcon> MakeIcon() {
        auto made = std::make_unique<TTrayIcon>(form, std::make_unique<FakeTrayShell>(shell));
        made->SetIcons(frames.get());
        made->SetDelay(30);
        return made;
    }
    void Tick() { SendMessageW(icon->WindowHandle(), WM_TIMER, 1, 0); }
    void Ticks(int count) {
        while (count-- > 0)
            Tick();
    }
    void Mouse(UINT message) { SendMessageW(icon->WindowHandle(), TTrayIcon::kCallbackMessage, 1, message); }
    void ClearCalls() { shell->Calls.clear(); }
};

} // namespace

TEST_F(TrayIconTest, ActivatingAddsTheIconAndDeactivatingDeletesIt) {
    EXPECT_TRUE(shell->Calls.empty());
    icon->SetHint(L"Player|Plays movies");
    icon->SetActive(true);
    ASSERT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_ADD, NIM_SETVERSION}));
    const auto& add = shell->Calls[0];
    EXPECT_EQ(add.Flags, kAllFlags);
    EXPECT_EQ(add.Colour, FrameColour(0));
    EXPECT_EQ(add.Tip, L"Player");
    EXPECT_EQ(add.Size, NOTIFYICONDATAW_V2_SIZE);
    EXPECT_TRUE(icon->IconShown());

    icon->SetActive(true); // unchanged: nothing sent
    EXPECT_EQ(shell->Calls.size(), 2u);
    icon->SetActive(false);
    EXPECT_EQ(shell->Calls.back().Message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_FALSE(icon->IconShown());
    EXPECT_FALSE(shell->Present);
}

TEST_F(TrayIconTest, AnOlderShellGetsTheShortRecordAndOneLineTips) {
    shell->Modern = false;
    icon->SetHint(L"Korvalen\r\nFlash player " + std::wstring(80, L'x'));
    icon->SetActive(true);
    ASSERT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_ADD}));
    EXPECT_EQ(shell->Calls[0].Size, NOTIFYICONDATAW_V1_SIZE);
    EXPECT_EQ(shell->Calls[0].Tip, (L"Korvalen - Flash player " + std::wstring(80, L'x')).substr(0, 63));
}

TEST_F(TrayIconTest, AChangedHintReachesTheShellWhenThePointerMovesOverTheIcon) {
    icon->SetActive(true);
    ClearCalls();
    icon->SetHint(L"Playing|clip.swf");
    EXPECT_TRUE(shell->Calls.empty());
    Mouse(WM_MOUSEMOVE);
    ASSERT_EQ(shell->Calls.size(), 1u);
    EXPECT_EQ(shell->Calls[0].Flags, static_cast<UINT>(NIF_TIP));
    EXPECT_EQ(shell->Calls[0].Tip, L"Playing");
    Mouse(WM_MOUSEMOVE);
    EXPECT_EQ(shell->Calls.size(), 1u);
}

TEST_F(TrayIconTest, TheAnimationVisitsTheFramesInOrderAndWraps) {
    icon->SetActive(true);
    icon->SetAnimated(true);
    EXPECT_TRUE(icon->AnimationRunning());
    ClearCalls();
    int animateEvents = 0;
    icon->OnAnimate = [&] { ++animateEvents; };
    Ticks(13);
    EXPECT_EQ(shell->IconColours(), FrameColours({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1}));
    EXPECT_EQ(icon->IconIndex(), 1);
    EXPECT_EQ(animateEvents, 13);

    ClearCalls();
    icon->SwingForthAndBack = true;
    icon->SetIconIndex(10);
    Ticks(3);
    EXPECT_EQ(shell->IconColours(), FrameColours({10, 11, 10, 9}));
}

TEST_F(TrayIconTest, TheTimerStepsTheFramesAndStoppingKeepsTheFrameShown) {
    int steps = 0;
    icon->OnAnimate = [&] { ++steps; };
    icon->SetActive(true);
    icon->SetAnimated(true);
    testing_support::PumpMessagesFor(400);
    ASSERT_GE(steps, 2); // 30 ms apart, with room for a slow machine
    icon->SetAnimated(false);
    EXPECT_FALSE(icon->AnimationRunning());
    int stopped = icon->IconIndex();
    EXPECT_EQ(stopped, steps % 12);
    EXPECT_EQ(shell->IconColours().back(), FrameColour(stopped));
    testing_support::PumpMessagesFor(150);
    EXPECT_EQ(icon->IconIndex(), stopped);

    ClearCalls();
    icon->SetAnimated(true);
    Tick();
    EXPECT_EQ(shell->IconColours(), FrameColours({(stopped + 1) % 12}));
}

TEST_F(TrayIconTest, AnimatedBeforeActiveStartsWhenTheIconIsAdded) {
    icon->SetAnimated(true);
    EXPECT_FALSE(icon->AnimationRunning());
    EXPECT_TRUE(shell->Calls.empty());
    icon->SetActive(true);
    EXPECT_TRUE(icon->AnimationRunning());
    icon->SetActive(false);
    EXPECT_FALSE(icon->AnimationRunning());
    EXPECT_TRUE(icon->Animated());
}

TEST_F(TrayIconTest, OneImageOrNoneNeverAnimates) {
    auto single = Frames(1);
    icon->SetIcons(single.get());
    icon->SetActive(true);
    icon->SetAnimated(true);
    ClearCalls();
    Ticks(3);
    EXPECT_TRUE(shell->Calls.empty());
    EXPECT_EQ(icon->IconIndex(), 0);

    icon->SetIcons(nullptr);
    icon->SetIconIndex(4);
    ClearCalls();
    Tick();
    EXPECT_TRUE(shell->Calls.empty());
    EXPECT_EQ(icon->IconIndex(), 0);
}

TEST_F(TrayIconTest, PicturesOutsideTheListFallBackToIconThenTheProgramsIcon) {
    icon->SetActive(true);
    icon->SetIcon(SolidIcon(0x00C0FFEE));
    EXPECT_EQ(IconColour(icon->CurrentPicture()), FrameColour(0)); // the list comes first
    icon->SetIconIndex(12);
    EXPECT_EQ(shell->IconColours().back(), 0x00C0FFEEu);
    icon->SetIconIndex(-1);
    EXPECT_EQ(IconColour(icon->CurrentPicture()), 0x00C0FFEEu);
    icon->SetIcon(nullptr);
    EXPECT_NE(icon->CurrentPicture(), nullptr);
    EXPECT_NE(shell->IconColours().back(), 0x00C0FFEEu);

    // A negative index starts the animation at the first frame.
    icon->SetAnimated(true);
    Tick();
    EXPECT_EQ(shell->IconColours().back(), FrameColour(0));
}

TEST_F(TrayIconTest, ANewTaskbarGetsTheIconBackWithItsPictureAndAnimation) {
    icon->SetActive(true);
    icon->SetAnimated(true);
    Ticks(4);
    ClearCalls();
    shell->Present = false; // the old taskbar went away with the icon
    SendMessageW(icon->WindowHandle(), controls::TrayUtilityWindow::TaskbarCreatedMessage(), 0, 0);
    ASSERT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_DELETE, NIM_MODIFY, NIM_ADD, NIM_SETVERSION}));
    EXPECT_EQ(shell->Calls[2].Colour, FrameColour(4));
    EXPECT_TRUE(icon->IconShown());
    EXPECT_TRUE(icon->AnimationRunning());

    // Even a shell that refuses the delete outright gets the icon again.
    shell->Present = false;
    shell->FailDeletes = true;
    shell->Error = ERROR_ACCESS_DENIED;
    ClearCalls();
    SendMessageW(icon->WindowHandle(), controls::TrayUtilityWindow::TaskbarCreatedMessage(), 0, 0);
    EXPECT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_DELETE, NIM_ADD, NIM_SETVERSION}));
    EXPECT_TRUE(shell->Present);
    EXPECT_TRUE(icon->AnimationRunning());
}

TEST_F(TrayIconTest, ABusyShellIsRetriedAndARefusingOneGivesUp) {
    shell->FailNext = 3; // the add, the modify check and the second add
    icon->SetActive(true);
    EXPECT_EQ(shell->Messages(),
              (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_SETVERSION}));
    EXPECT_EQ(shell->Waited, 2000u);
    EXPECT_TRUE(icon->IconShown());
    icon->SetActive(false);

    ClearCalls();
    shell->Error = ERROR_ACCESS_DENIED;
    shell->FailNext = 1;
    icon->SetActive(true);
    EXPECT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_ADD}));
    EXPECT_FALSE(icon->IconShown());
    icon->SetActive(false);
    EXPECT_EQ(shell->Calls.size(), 1u); // nothing shown, nothing to delete

    ClearCalls();
    shell->Error = 0;
    shell->FailNext = 1;
    icon->Visibility.Include(V::tvNoRetryOnFailure);
    icon->SetActive(true);
    EXPECT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_ADD}));
    EXPECT_EQ(shell->Waited, 2000u);
}

TEST_F(TrayIconTest, AFailedDeleteKeepsTheIconMarkedShown) {
    icon->SetActive(true);
    shell->FailDeletes = true;
    shell->Error = ERROR_ACCESS_DENIED;
    icon->SetActive(false);
    EXPECT_TRUE(icon->IconShown());
    ClearCalls();
    icon->SetActive(true); // the shell still shows it: no second add
    EXPECT_TRUE(shell->Calls.empty());
}

TEST_F(TrayIconTest, TheIconLeavesTheTrayWithTheComponentAndTheSession) {
    icon->SetActive(true);
    SendMessageW(icon->WindowHandle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(shell->Present);
    SendMessageW(icon->WindowHandle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(shell->Present);
    EXPECT_EQ(SendMessageW(icon->WindowHandle(), WM_QUERYENDSESSION, 0, 0), TRUE);

    HWND window = icon->WindowHandle();
    icon.reset();
    EXPECT_FALSE(shell->Present);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(TrayIconTest, ButtonsOnTheIconRaiseTheMouseEvents) {
    icon->SetActive(true);
    std::vector<std::string> events;
    icon->OnMouseDown = [&](TMouseButton b, TShiftState, POINT) {
        events.push_back("down" + std::to_string(int(b)));
    };
    icon->OnMouseUp = [&](TMouseButton b, TShiftState, POINT) {
        events.push_back("up" + std::to_string(int(b)));
    };
    icon->OnMouseMove = [&](TShiftState, POINT) { events.push_back("move"); };
    icon->OnClick = [&] { events.push_back("click"); };
    Mouse(WM_MOUSEMOVE);
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_RBUTTONUP); // no press before it: no click
    Mouse(WM_MBUTTONDOWN);
    Mouse(WM_MBUTTONUP);
    EXPECT_EQ(events,
              (std::vector<std::string>{"move", "down0", "click", "up0", "up1", "down2", "click", "up2"}));

    bool handled = false;
    icon->OnContextPopup = [&](POINT, bool& h) { h = handled = true; };
    Mouse(WM_CONTEXTMENU);
    EXPECT_TRUE(handled);

    // What a handler throws goes to the error box; the icon carries on.
    icon->OnClick = [] { throw std::runtime_error("Click failed"); };
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    ASSERT_EQ(testing_support::RecordedErrors().size(), 1u);
    EXPECT_EQ(testing_support::RecordedErrors()[0].Text, L"Click failed.");
}

TEST_F(TrayIconTest, AClickWaitsForTheDoubleClickTimeWhenDoubleClicksMeanSomething) {
    icon->SetActive(true);
    int clicks = 0, doubleClicks = 0;
    icon->OnClick = [&] { ++clicks; };
    icon->OnDblClick = [&] { ++doubleClicks; };
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(clicks, 0);
    testing_support::PumpMessagesFor(GetDoubleClickTime() + 200);
    EXPECT_EQ(clicks, 1);

    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    Mouse(WM_LBUTTONUP);
    testing_support::PumpMessagesFor(GetDoubleClickTime() + 200);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
}

// The owner window stands for the program: minimising it while the icon is
// active takes it off the taskbar, and a click on the icon brings it back.
TEST_F(TrayIconTest, MinimisingHidesToTheTrayAndAClickRestores) {
    form.SetBounds({100, 100, 300, 200});
    form.ShowMain();
    testing_support::PumpMessagesFor(50);
    HWND window = form.Handle();

    SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0); // not active yet: only minimised
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsIconic(window));
    ShowWindow(window, SW_RESTORE);

    icon->Visibility.Include(V::tvRestoreClick);
    icon->SetActive(true);
    SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(icon->Visibility.Has(V::tvVisibleTaskBar));

    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(icon->Visibility.Has(V::tvVisibleTaskBar));

    // A click on a visible window leaves it; a double-click can restore too.
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(window));
    icon->Visibility.Include(V::tvRestoreDbClick);
    icon->HideToTray();
    EXPECT_FALSE(IsWindowVisible(window));
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));

    // Switched off, the icon no longer takes the window off the taskbar.
    icon->SetActive(false);
    SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(TrayIconTest, AnIconThatShowsOnlyWhileHiddenComesAndGoesWithTheWindow) {
    form.ShowMain();
    icon->Visibility.Include(V::tvAutoHideIcon);
    icon->SetActive(true);
    EXPECT_FALSE(shell->Present);
    icon->HideToTray();
    EXPECT_TRUE(shell->Present);
    icon->RestoreFromTray();
    EXPECT_FALSE(shell->Present);
}

// The session's own notification area, where there is one (Wine shows a
// tray window on the virtual display).
TEST(SystemTray, TheIconIsInTheNotificationAreaWhileActive) {
    ui::Form form;
    TTrayIcon icon(form);
    icon.SetActive(true);
    if (!icon.IconShown())
        GTEST_SKIP() << "this session has no notification area";
    NOTIFYICONDATAW probe{};
    probe.cbSize = NOTIFYICONDATAW_V2_SIZE;
    probe.hWnd = icon.WindowHandle();
    probe.uID = 1;
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &probe));
    icon.SetActive(false);
    EXPECT_FALSE(icon.IconShown());
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &probe));
}

} // namespace controls
