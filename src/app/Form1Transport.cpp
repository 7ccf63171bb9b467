// Driving the loaded movie: play, pause, stop, single frames, the progress
// timer and the rendering quality. The play/pause pair of buttons is the
// only record of whether the movie is considered playing.
#include "app/Form1.h"

#include "playback/MovieNames.h"

namespace app {

void TForm1::BitBtn4Click() {
    if (UserMovieLoaded()) {
        ShockwaveFlash1.Play();
        SetProgressRange();
        Frame.Execute();
        Timer1.SetEnabled(true);
        ShowPlayingLook();
        TrayAnimation.Execute();
    } else {
        Intro.Execute();
    }
    Panel3.SetFocus();
}

void TForm1::BitBtn6Click() { PauseExecute(); }

// The timer goes on, so the bar and the label keep the halted frame.
void TForm1::PauseExecute() {
    ShockwaveFlash1.StopPlay();
    ShowHaltedLook();
    StopTrayAnimation();
}

// The timer goes on: the next tick shows the first frame.
void TForm1::BitBtn3Click() {
    if (!UserMovieLoaded()) {
        Panel3.SetFocus();
        return;
    }
    ShockwaveFlash1.Stop();
    ShockwaveFlash1.Rewind();
    ShowHaltedLook();
    Panel3.SetFocus();
    StopTrayAnimation();
}

// The timer stops, so the bar and the label keep the last tick's frame.
void TForm1::StopExecute() {
    ShockwaveFlash1.Stop();
    ShockwaveFlash1.Rewind();
    Timer1.SetEnabled(false);
    ShowHaltedLook();
    StopTrayAnimation();
}

void TForm1::StepAndHalt(void (playback::TShockwaveFlash::*step)()) {
    (ShockwaveFlash1.*step)();
    ShowHaltedLook();
}

// The step buttons halt on the next or previous frame of a user movie;
// otherwise they only move the focus.
void TForm1::StepButton(void (playback::TShockwaveFlash::*step)()) {
    bool loaded = UserMovieLoaded();
    if (loaded)
        StepAndHalt(step);
    Panel3.SetFocus();
    if (loaded)
        StopTrayAnimation();
}

void TForm1::BitBtn2Click() { StepButton(&playback::TShockwaveFlash::Back); }

void TForm1::BitBtn5Click() { StepButton(&playback::TShockwaveFlash::Forward); }

void TForm1::FrameBackExecute() {
    StepAndHalt(&playback::TShockwaveFlash::Back);
    StopTrayAnimation();
}

void TForm1::FrameForwardExecute() {
    StepAndHalt(&playback::TShockwaveFlash::Forward);
    StopTrayAnimation();
}

void TForm1::Timer1Timer() {
    MediaProgressBar1.SetPosition(ShockwaveFlash1.CurrentFrame());
    Frame.Execute();
    Label2.SetLeft(Panel3.Width() - Label2.Width() - 6);
}

// The label is a courtesy: whatever fails here leaves its previous text.
void TForm1::FrameExecute() {
    try {
        Label2.SetCaption(playback::FrameText(ShockwaveFlash1.CurrentFrame(), ShockwaveFlash1.TotalFrames()));
    } catch (...) {
    }
}

// One of the three quality commands is marked: the one chosen. "Высокое"
// starts with marks of its own entries, which turning K1 off would not
// clear: "Среднее" and "Низкое" clear them directly.
void TForm1::ChooseQuality(const wchar_t* quality, ui::Action& chosen) {
    ShockwaveFlash1.SetQuality2(quality);
    if (&chosen != &K1) {
        MenuEntry(L"N18").SetChecked(false);
        MenuEntry(L"N23").SetChecked(false);
    }
    for (ui::Action* command : {&K1, &K2, &K3}) {
        if (command != &chosen)
            command->SetChecked(false);
    }
    chosen.SetChecked(true);
}

void TForm1::K1Execute() { ChooseQuality(L"High", K1); }

void TForm1::K2Execute() { ChooseQuality(L"Medium", K2); }

void TForm1::K3Execute() { ChooseQuality(L"Low", K3); }

} // namespace app
