// The main window's volume bar, hold buttons and mute against a sound card
// in memory, and its notification-area icon against a shell in memory.
#include "FakeSoundDevices.h"
#include "FakeTrayShell.h"
#include "IsolatedSettings.h"
#include "TempFolder.h"
#include "TestWindows.h"
#include "app/Form1.h"

#include <gtest/gtest.h>

namespace {

using testing_support::BothChannels;
using testing_support::FakeSoundDeviceClass;
using testing_support::FakeTrayShell;
using testing_support::PumpMessagesFor;
using testing_support::TempFolder;
using testing_support::TrayShellState;

// The main window shown without a movie, over one wave device with volume
// control (or none) and a notification area that always answers.
class MainWindowWithFakes : public testing::Test {
protected:
    std::shared_ptr<TrayShellState> shell = std::make_shared<TrayShellState>();
    FakeSoundDeviceClass* wave = nullptr;
    uint32_t levelBefore = BothChannels(0x4000);
    testing_support::SettingsFolder settingsFolder;
    std::unique_ptr<app::TForm1> form;

    void Open(bool withWaveDevice = true) {
        auto waveClass = std::make_unique<FakeSoundDeviceClass>("wave");
        if (withWaveDevice)
            waveClass->Devices.push_back({true, levelBefore});
        wave = waveClass.get();
        controls::TSoundDevices devices{std::make_unique<FakeSoundDeviceClass>("midi"),
                                        std::make_unique<FakeSoundDeviceClass>("cd"), std::move(waveClass)};
        form = std::make_unique<app::TForm1>(
            L"KorvalenFlashPlayer.exe",
            testing_support::IsolatedServices(
                settingsFolder, std::make_shared<testing_support::RegistryState>(),
                app::TForm1Services{std::move(devices), std::make_unique<FakeTrayShell>(shell)}));
        form->ShowMain();
        PumpMessagesFor(100);
    }
    void SetUp() override { Open(); }

    uint32_t Level() const { return wave->Devices.at(0).Level; }
    void SetLevel(uint32_t level) { wave->Devices.at(0).Level = level; }
    int Volume() { return form->SoundControl1.Wave().Volume(); }
    int Bar() const { return form->MediaProgressBar2.Position(); }
    void Down(int ticks) {
        while (ticks-- > 0)
            form->Timer2.OnTimer();
    }
    void Up(int ticks) {
        while (ticks-- > 0)
            form->Timer3.OnTimer();
    }
    bool Muted() const { return form->SpeedButton4.Visible() && !form->SpeedButton1.Visible(); }
};

using VolumeAndMute = MainWindowWithFakes;

TEST_F(VolumeAndMute, StartAndCloseSetTheTopLevelCentred) {
    EXPECT_EQ(Level(), BothChannels(0xFC00));
    EXPECT_EQ(form->SoundControl1.Wave().Balance(), 50);
    EXPECT_EQ(Bar(), 252);
    EXPECT_FALSE(Muted());

    // Closed while muted, the card is not left silent.
    form->SpeedButton1.Click();
    EXPECT_EQ(Level(), 0u);
    form->Close();
    EXPECT_EQ(Level(), BothChannels(0xFC00));
}

TEST_F(VolumeAndMute, StepsSweepTheWholeRangeAndStopAtTheEnds) {
    Down(125);
    EXPECT_EQ(Volume(), 2);
    Down(1);
    EXPECT_EQ(Volume(), 0);
    EXPECT_EQ(Bar(), 0);
    Down(3);
    EXPECT_EQ(Volume(), 0);

    Up(126);
    EXPECT_EQ(Volume(), 252);
    EXPECT_EQ(Bar(), 252);
    Up(2);
    EXPECT_EQ(Level(), BothChannels(0xFC00));

    // Uneven levels set by another program.
    SetLevel(BothChannels(0x0100));
    Down(1);
    EXPECT_EQ(Volume(), 0);
    SetLevel(BothChannels(0xFB00)); // 251
    Up(1);
    EXPECT_EQ(Volume(), 252);
}

TEST_F(VolumeAndMute, ALevelAboveTheTopEmptiesTheBarUntilTheFirstStepDown) {
    SetLevel(BothChannels(0xFFFF));
    Up(1);
    EXPECT_EQ(Volume(), 255);
    EXPECT_EQ(Bar(), 255);
    Down(1);
    EXPECT_EQ(Volume(), 252);
    EXPECT_EQ(Bar(), 252);
}

TEST_F(VolumeAndMute, AHeldButtonStepsUntilItsReleaseWhereverThePointerIs) {
    HWND down = form->SpeedButton2.Handle();
    // Released before the first tick: nothing changes.
    SendMessageW(down, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(down, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessagesFor(100);
    EXPECT_EQ(Volume(), 252);

    SendMessageW(down, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpMessagesFor(200);
    // Released far off the button.
    SendMessageW(down, WM_LBUTTONUP, 0, MAKELPARAM(-300, -300));
    int held = Volume();
    EXPECT_LT(held, 252);
    EXPECT_EQ(held % 2, 0);
    EXPECT_EQ(Bar(), held);
    PumpMessagesFor(150);
    EXPECT_EQ(Volume(), held);

    HWND up = form->SpeedButton3.Handle();
    SendMessageW(up, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpMessagesFor(200);
    SendMessageW(up, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_GT(Volume(), held);
    EXPECT_FALSE(form->Timer2.Enabled());
    EXPECT_FALSE(form->Timer3.Enabled());
}

TEST_F(VolumeAndMute, MuteKeepsTheLevelAndUnmuteGivesItBack) {
    Down(66); // 120
    form->SpeedButton1.Click();
    EXPECT_TRUE(Muted());
    EXPECT_EQ(form->Edit1.Text(), L"120");
    EXPECT_EQ(Level(), 0u);
    EXPECT_EQ(Bar(), 0);

    // Up is inert while muted, down finds nothing to lower.
    Up(5);
    EXPECT_EQ(Level(), 0u);
    EXPECT_EQ(Bar(), 0);
    Down(2);
    EXPECT_EQ(Level(), 0u);

    form->SpeedButton4.Click();
    EXPECT_FALSE(Muted());
    EXPECT_EQ(Volume(), 120);
    EXPECT_EQ(Bar(), 120);

    // Muting at 0 gives 0 back.
    Down(60);
    form->SpeedButton1.Click();
    form->SpeedButton4.Click();
    EXPECT_EQ(Volume(), 0);
    EXPECT_EQ(Bar(), 0);
}

TEST_F(VolumeAndMute, WithoutADeviceTheBarStaysEmptyAndMuteOnlySwapsTheButtons) {
    form.reset();
    Open(false);
    EXPECT_EQ(Bar(), 0);
    Up(3);
    EXPECT_EQ(Bar(), 0);
    form->SpeedButton1.Click();
    EXPECT_TRUE(Muted());
    form->SpeedButton4.Click();
    EXPECT_FALSE(Muted());
    EXPECT_EQ(Bar(), 0);
    EXPECT_EQ(wave->Sent.size(), 0u);
}

using TrayOfTheWindow = MainWindowWithFakes;

TEST_F(TrayOfTheWindow, TheOptionShowsAndHidesTheIconWhichStandsStillWithoutAMovie) {
    EXPECT_TRUE(shell->Calls.empty()); // nothing until the option is executed
    form->TrayIcon.Execute();
    EXPECT_TRUE(shell->Present);
    form->TrayAnimation.Execute(); // only the intro is loaded
    EXPECT_FALSE(form->TrayIcon1.Animated());
    EXPECT_EQ(form->TrayIcon1.IconIndex(), 0);

    form->TrayIcon.SetChecked(false);
    form->TrayIcon.Execute();
    EXPECT_FALSE(shell->Present);
}

// With a movie of the user's started from the file list.
class TrayWithMovie : public MainWindowWithFakes {
protected:
    TempFolder folder{L"tray"};
    // The window goes first: its file list looks into the folder.
    void TearDown() override { form.reset(); }
    void StartMovie() {
        form->FileListBox1.GoToPath(folder.AddMovie(L"movie.swf", 100, 50));
        form->FileListBox1.OnDblClick();
    }
};

TEST_F(TrayWithMovie, FramesRunWhileTheMoviePlaysAndStopOnTheFrameShown) {
    form->TrayIcon.Execute();
    StartMovie();
    EXPECT_TRUE(form->TrayIcon1.AnimationRunning());
    PumpMessagesFor(200);
    form->Pause.Execute();
    EXPECT_FALSE(form->TrayIcon1.Animated());
    int frame = form->TrayIcon1.IconIndex();
    EXPECT_GT(frame, 0);
    PumpMessagesFor(100);
    EXPECT_EQ(form->TrayIcon1.IconIndex(), frame);

    form->BitBtn4.Click(); // play again: on from the same frame
    EXPECT_TRUE(form->TrayIcon1.AnimationRunning());
    SendMessageW(form->TrayIcon1.WindowHandle(), WM_TIMER, 1, 0);
    EXPECT_EQ(form->TrayIcon1.IconIndex(), (frame + 1) % 12);

    // The option switched off, as the settings dialog's Apply executes it.
    form->TrayAnimation.SetChecked(false);
    form->TrayAnimation.Execute();
    EXPECT_FALSE(form->TrayIcon1.AnimationRunning());
}

TEST_F(TrayWithMovie, ButtonsOverTheIntroLeaveTheAnimationAlone) {
    form->TrayIcon.Execute();
    form->TrayIcon1.SetAnimated(true);
    form->BitBtn3.Click(); // stop
    form->BitBtn2.Click(); // frame back
    form->BitBtn5.Click(); // frame forward
    EXPECT_TRUE(form->TrayIcon1.AnimationRunning());
    form->Stop.Execute(); // the command stops it always
    EXPECT_FALSE(form->TrayIcon1.Animated());
}

TEST_F(TrayWithMovie, WithTheIconOffAMovieShowsNoIcon) {
    form->TrayIcon.SetChecked(false);
    form->TrayIcon.Execute();
    StartMovie();
    EXPECT_TRUE(shell->Calls.empty());
    EXPECT_FALSE(form->TrayIcon1.AnimationRunning());
}

TEST_F(TrayOfTheWindow, AMinimisedWindowComesBackThroughTheIcon) {
    form->TrayIcon.Execute();
    HWND window = form->Handle();
    SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(window));

    HWND icon = form->TrayIcon1.WindowHandle();
    auto mouse = [icon](UINT message) {
        SendMessageW(icon, controls::TTrayIcon::kCallbackMessage, 1, message);
    };
    mouse(WM_LBUTTONDOWN);
    mouse(WM_LBUTTONUP);
    mouse(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));

    // A single click too, once the double-click time has passed.
    SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    mouse(WM_LBUTTONDOWN);
    mouse(WM_LBUTTONUP);
    PumpMessagesFor(GetDoubleClickTime() + 200);
    EXPECT_TRUE(IsWindowVisible(window));
}

} // namespace
