#include "MainWindowUnderTest.h"
#include "TempFolder.h"
#include "playback/ApplicationFolder.h"

#include <gtest/gtest.h>

namespace {

using testing_support::MainWindowUnderTest;
using testing_support::PumpMessagesFor;
using testing_support::TempFolder;

// The main window with a movie of the user's loaded from the file list.
struct LoadedMovie {
    TempFolder Folder{L"transport"};
    MainWindowUnderTest W;
    app::TForm1& F = W.Form;
    explicit LoadedMovie(int frames = 100, double framesPerSecond = 50) {
        F.FileListBox1.GoToPath(Folder.AddMovie(L"movie.swf", frames, framesPerSecond));
        W.DoubleClickList();
    }
    // Halts the movie on a frame and lets the progress timer show it.
    void HaltOn(int frame) {
        F.ShockwaveFlash1.StopPlay();
        F.ShockwaveFlash1.Stop();
        F.ShockwaveFlash1.Rewind();
        for (int i = 0; i < frame; ++i)
            F.ShockwaveFlash1.Forward();
        F.Timer1Timer();
    }
};

TEST(Transport, PauseHaltsTheLabelAndPlayGoesOnFromThere) {
    LoadedMovie m;
    PumpMessagesFor(300);
    m.F.BitBtn6.Click();
    EXPECT_TRUE(m.W.HaltedLook());
    EXPECT_FALSE(m.F.ShockwaveFlash1.IsPlaying());
    EXPECT_TRUE(m.F.Timer1.Enabled()); // still ticking
    PumpMessagesFor(150);
    std::wstring halted = m.F.Label2.Caption();
    int frame = m.F.ShockwaveFlash1.CurrentFrame();
    EXPECT_EQ(halted, std::to_wstring(frame) + L"/100");
    PumpMessagesFor(300);
    EXPECT_EQ(m.F.Label2.Caption(), halted);

    m.F.BitBtn4.Click();
    EXPECT_TRUE(m.W.PlayingLook());
    EXPECT_TRUE(m.W.ViewHasFocus());
    PumpMessagesFor(300);
    EXPECT_GT(m.F.ShockwaveFlash1.CurrentFrame(), frame);
    // The pause command does what the pause button does.
    m.F.Pause.Execute();
    EXPECT_TRUE(m.W.HaltedLook());
    EXPECT_FALSE(m.F.ShockwaveFlash1.IsPlaying());
}

TEST(Transport, TheStopButtonShowsTheFirstFrameNextTickTheStopCommandKeepsTheLast) {
    LoadedMovie m;
    m.HaltOn(40);
    EXPECT_EQ(m.F.Label2.Caption(), L"40/100");
    EXPECT_EQ(m.F.MediaProgressBar1.Position(), 40);
    m.F.BitBtn3.Click();
    EXPECT_TRUE(m.W.HaltedLook());
    EXPECT_TRUE(m.W.ViewHasFocus());
    PumpMessagesFor(250);
    EXPECT_EQ(m.F.Label2.Caption(), L"0/100");
    EXPECT_EQ(m.F.MediaProgressBar1.Position(), 0);

    // The command stops the timer as well.
    m.HaltOn(40);
    m.F.Stop.Execute();
    EXPECT_EQ(m.F.ShockwaveFlash1.CurrentFrame(), 0);
    EXPECT_FALSE(m.F.Timer1.Enabled());
    EXPECT_TRUE(m.W.HaltedLook());
    PumpMessagesFor(250);
    EXPECT_EQ(m.F.Label2.Caption(), L"40/100");
    EXPECT_EQ(m.F.MediaProgressBar1.Position(), 40);
}

TEST(Transport, StepsHaltAndShowOnTheNextTick) {
    LoadedMovie m;
    m.HaltOn(10);
    m.F.BitBtn5.Click();
    EXPECT_TRUE(m.W.ViewHasFocus());
    PumpMessagesFor(250);
    EXPECT_EQ(m.F.Label2.Caption(), L"11/100");
    m.F.BitBtn2.Click();
    m.F.BitBtn2.Click();
    PumpMessagesFor(250);
    EXPECT_EQ(m.F.Label2.Caption(), L"9/100");

    m.F.BitBtn4.Click();
    m.F.FrameForward.Execute();
    EXPECT_TRUE(m.W.HaltedLook());
    EXPECT_FALSE(m.F.ShockwaveFlash1.IsPlaying());
    int frame = m.F.ShockwaveFlash1.CurrentFrame();
    m.F.FrameBack.Execute();
    EXPECT_EQ(m.F.ShockwaveFlash1.CurrentFrame(), frame - 1);
}

TEST(Transport, TheTickPlacesTheFrameLabelShortOfTheViewsEdge) {
    LoadedMovie m;
    m.HaltOn(7);
    EXPECT_EQ(m.F.Label2.Left(), m.F.Panel3.Width() - m.F.Label2.Width() - 6);
}

TEST(Transport, AOneFrameMovieGivesAnEmptyRangeAndZeroOfOne) {
    LoadedMovie m(1);
    EXPECT_EQ(m.F.MediaProgressBar1.Max(), 0);
    m.F.Timer1Timer();
    EXPECT_EQ(m.F.Label2.Caption(), L"0/1");
    EXPECT_EQ(m.F.MediaProgressBar1.Position(), 0);
}

TEST(Transport, WithoutAUserMovieTheButtonsOnlyMoveTheFocus) {
    MainWindowUnderTest w;
    auto& f = w.Form;
    for (ui::BitBtn* button : {&f.BitBtn2, &f.BitBtn3, &f.BitBtn5, &f.BitBtn4}) {
        SetFocus(f.ShellTree1.Handle());
        button->Click();
        EXPECT_TRUE(w.ViewHasFocus());
        EXPECT_TRUE(w.HaltedLook());
        EXPECT_EQ(f.ShockwaveFlash1.Movie(), L" ");
    }
    // The play button reloads the intro when the option is on.
    f.Intro.SetChecked(true);
    f.BitBtn4.Click();
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), playback::IntroMoviePath());
    EXPECT_TRUE(w.HaltedLook());
    EXPECT_FALSE(f.Timer1.Enabled());
}

TEST(Transport, QualityCommandsMarkOnlyTheQualityChosen) {
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.K2.Execute();
    EXPECT_FALSE(f.K1.Checked());
    EXPECT_TRUE(f.K2.Checked());
    EXPECT_FALSE(f.K3.Checked());
    f.K3.Execute();
    EXPECT_FALSE(f.K2.Checked());
    EXPECT_TRUE(f.K3.Checked());
    f.K1.Execute();
    f.K1.Execute(); // the marked entry again: the same quality again
    EXPECT_TRUE(f.K1.Checked());
    EXPECT_FALSE(f.K2.Checked());
    EXPECT_FALSE(f.K3.Checked());
}

} // namespace
