// What the player shows: user movies from the dialog, the file list, the
// play command; the intro or the blank view; closing.
#include "app/Form1.h"

#include "playback/ApplicationFolder.h"
#include "playback/MovieNames.h"

namespace app {

bool TForm1::UserMovieLoaded() const {
    return playback::UserMovieLoaded(ShockwaveFlash1.Movie(), playback::IntroMoviePath());
}

// The list shows the movie's folder with the movie selected, and the tree
// that folder.
void TForm1::FollowPath(const std::wstring& path) {
    FileListBox1.GoToPath(path);
    ShellTree1.SetSelectedPath(FileListBox1.CurrentFolder());
}

void TForm1::SetProgressRange() {
    MediaProgressBar1.SetMax(0);
    MediaProgressBar1.SetMax(ShockwaveFlash1.TotalFrames() - 1);
}

void TForm1::ShowPlayingLook() {
    BitBtn4.Hide();
    BitBtn6.Show();
}

void TForm1::ShowHaltedLook() {
    BitBtn6.Hide();
    BitBtn4.Show();
}

void TForm1::OpenExecute() {
    if (!OpenDialog2.Execute(Handle()))
        return;
    ShockwaveFlash1.SetScaleMode(0);
    ShockwaveFlash1.SetMovie(OpenDialog2.FileName);
    FollowPath(OpenDialog2.FileName);
    FileName.Execute();
    SetProgressRange();
    Timer1.SetEnabled(true);
    ShockwaveFlash1.Play();
    ShowPlayingLook();
    TrayAnimation.Execute();
}

// The player starts a newly loaded movie by itself.
void TForm1::FileListBox1DblClick() {
    ShockwaveFlash1.SetMovie(FileListBox1.SelectedFilePath());
    ShockwaveFlash1.SetScaleMode(0);
    FileName.Execute();
    SetProgressRange();
    Timer1.SetEnabled(true);
    ShowPlayingLook();
    TrayAnimation.Execute();
}

// Plays the selected file without touching the scale or the title.
void TForm1::PlayExecute() {
    ShockwaveFlash1.SetMovie(FileListBox1.SelectedFilePath());
    if (ShockwaveFlash1.Movie().empty() || !UserMovieLoaded())
        return;
    SetProgressRange();
    Timer1.SetEnabled(true);
    ShowPlayingLook();
    ShockwaveFlash1.Play();
    TrayAnimation.Execute();
}

void TForm1::IntroExecute() {
    ShockwaveFlash1.SetMovie(Intro.Checked() ? playback::IntroMoviePath()
                                             : std::wstring(playback::NoMovieText));
}

void TForm1::CloseFileExecute() {
    if (!UserMovieLoaded()) {
        Panel3.SetFocus();
        return;
    }
    BitBtn3.Click();
    Intro.Execute();
    RedrawWindow(ShockwaveFlash1.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Label1.SetCaption(std::wstring(playback::IdleTitle));
    Timer1.SetEnabled(false);
    ShowHaltedLook();
    StopTrayAnimation();
    MediaProgressBar1.SetPosition(0);
    Label2.SetCaption(L" ");
}

void TForm1::FileNameExecute() { Label1.SetCaption(playback::MovieTitle(ShockwaveFlash1.Movie())); }

} // namespace app
