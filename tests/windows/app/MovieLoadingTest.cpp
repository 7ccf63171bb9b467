#include "MainWindowUnderTest.h"
#include "TempFolder.h"
#include "playback/ApplicationFolder.h"
#include "ui/Application.h"
#include "view/FileSystem.h"

#include <gtest/gtest.h>

#include <dlgs.h>

namespace {

using testing_support::MainWindowUnderTest;
using testing_support::PumpMessagesFor;
using testing_support::RecordedErrors;
using testing_support::TempFolder;

constexpr wchar_t IdleTitle[] = L"KorvalenFlashPlayer 0.8";

// Answers the next open dialog of this thread from a timer: types the name
// and presses OK, or presses Cancel when the name is empty.
class DialogAnswer {
public:
    explicit DialogAnswer(std::wstring name) : timer_(SetTimer(nullptr, 0, 100, Tick)) {
        Name() = std::move(name);
    }
    ~DialogAnswer() { KillTimer(nullptr, timer_); }
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;

private:
    static std::wstring& Name() {
        static std::wstring name;
        return name;
    }
    static BOOL CALLBACK FindDialog(HWND window, LPARAM lp) {
        wchar_t kind[16] = L"";
        GetClassNameW(window, kind, 16);
        if (wcscmp(kind, L"#32770") != 0 || !IsWindowVisible(window))
            return TRUE;
        *reinterpret_cast<HWND*>(lp) = window;
        return FALSE;
    }
    static HWND OpenDialog() {
        HWND found = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = OpenDialog();
        if (!dialog)
            return;
        if (Name().empty()) {
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        HWND edit = GetDlgItem(dialog, cmb13);
        SetWindowTextW(edit ? edit : GetDlgItem(dialog, edt1), Name().c_str());
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    }

    UINT_PTR timer_;
};

TEST(MovieLoading, ADoubleClickPlaysTheSelectedMovie) {
    TempFolder folder(L"double click");
    std::wstring clip = folder.AddMovie(L"clip.swf", 30, 25);
    folder.AddMovie(L"a.b.swf", 5);
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.FileListBox1.GoToPath(clip);
    w.DoubleClickList();
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), f.FileListBox1.SelectedFilePath());
    EXPECT_TRUE(f.ShockwaveFlash1.IsPlaying()); // the player starts it by itself
    EXPECT_EQ(f.Label1.Caption(), L"clip");
    EXPECT_EQ(f.MediaProgressBar1.Max(), 29);
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_TRUE(w.PlayingLook());
    EXPECT_TRUE(f.UserMovieLoaded());

    f.FileListBox1.SetItemIndex(0); // "a.b.swf" sorts first
    w.DoubleClickList();
    EXPECT_EQ(f.Label1.Caption(), L"a.b");
    EXPECT_EQ(f.MediaProgressBar1.Max(), 4);
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(MovieLoading, ADoubleClickWithNothingSelectedEmptiesThePlayer) {
    TempFolder folder(L"nothing selected");
    folder.AddMovie(L"clip.swf");
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.FileListBox1.GoToPath(folder.Path().wstring());
    w.DoubleClickList();
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), L"");
    EXPECT_EQ(f.Label1.Caption(), L"");
    EXPECT_TRUE(w.PlayingLook());
    // The empty player counts as a user movie: closing runs in full.
    EXPECT_TRUE(f.UserMovieLoaded());
    f.CloseFile.Execute();
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), L" ");
    EXPECT_EQ(f.Label1.Caption(), IdleTitle);
    EXPECT_TRUE(w.HaltedLook());
}

TEST(MovieLoading, ThePlayCommandPlaysTheSelectionAndKeepsTheTitle) {
    TempFolder folder(L"play command");
    std::wstring clip = folder.AddMovie(L"clip.swf", 8);
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.FileListBox1.GoToPath(folder.Path().wstring());
    f.Play.Execute(); // nothing selected: the player is emptied, nothing else
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), L"");
    EXPECT_TRUE(w.HaltedLook());
    EXPECT_FALSE(f.Timer1.Enabled());

    f.FileListBox1.GoToPath(clip);
    f.Play.Execute();
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), f.FileListBox1.SelectedFilePath());
    EXPECT_TRUE(f.ShockwaveFlash1.IsPlaying());
    EXPECT_EQ(f.Label1.Caption(), IdleTitle);
    EXPECT_EQ(f.MediaProgressBar1.Max(), 7);
    EXPECT_TRUE(f.Timer1.Enabled());
    EXPECT_TRUE(w.PlayingLook());
}

TEST(MovieLoading, ClosingBringsBackTheIntroOrTheBlankView) {
    TempFolder folder(L"close");
    std::wstring clip = folder.AddMovie(L"clip.swf", 20, 25);
    MainWindowUnderTest w;
    auto& f = w.Form;
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), L" "); // the intro option is off at first
    f.Intro.SetChecked(true);
    f.Intro.Execute();
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), playback::IntroMoviePath());
    EXPECT_FALSE(f.UserMovieLoaded());

    f.FileListBox1.GoToPath(clip);
    w.DoubleClickList();
    PumpMessagesFor(250);
    EXPECT_NE(f.Label2.Caption(), L"");
    f.CloseFile.Execute();
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), playback::IntroMoviePath());
    EXPECT_EQ(f.Label1.Caption(), IdleTitle);
    EXPECT_EQ(f.Label2.Caption(), L" ");
    EXPECT_FALSE(f.Timer1.Enabled());
    EXPECT_TRUE(w.HaltedLook());
    EXPECT_EQ(f.MediaProgressBar1.Position(), 0);

    // Closing again only moves the focus.
    SetFocus(f.ShellTree1.Handle());
    f.CloseFile.Execute();
    EXPECT_TRUE(w.ViewHasFocus());
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), playback::IntroMoviePath());

    // Without the intro option the view goes blank.
    f.Intro.SetChecked(false);
    w.DoubleClickList();
    f.BitBtn1.Click();
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), L" ");
}

TEST(MovieLoading, TheTitleIsTheFileNameWithoutItsExtension) {
    MainWindowUnderTest w;
    auto& f = w.Form;
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\Movies\\clip.swf", L"clip"},
        {L"C:\\Movies\\a.b.swf", L"a.b"},
        {L"x.swf", L"x"},
        {L"D:clip.swf", L"clip"},
    };
    for (auto [movie, title] : cases) {
        f.ShockwaveFlash1.SetMovie(movie);
        f.FileName.Execute();
        EXPECT_EQ(f.Label1.Caption(), title) << movie;
    }
}

TEST(MovieLoading, TheOpenDialogOpensAndTheListAndTreeFollow) {
    TempFolder folder(L"open dialog");
    std::wstring clip = folder.AddMovie(L"clip.swf", 12);
    MainWindowUnderTest w;
    auto& f = w.Form;
    {
        DialogAnswer answer(clip);
        f.Open.Execute();
    }
    EXPECT_TRUE(view::SameFileName(f.ShockwaveFlash1.Movie(), clip));
    EXPECT_EQ(f.Label1.Caption(), L"clip");
    EXPECT_EQ(f.MediaProgressBar1.Max(), 11);
    EXPECT_TRUE(f.ShockwaveFlash1.IsPlaying());
    EXPECT_TRUE(w.PlayingLook());
    EXPECT_TRUE(view::SameFileName(f.FileListBox1.SelectedFilePath(), clip));
    EXPECT_TRUE(view::SameFileName(f.ShellTree1.SelectedPath(), folder.Path().wstring()));
    EXPECT_TRUE(RecordedErrors().empty());

    // Cancelling changes nothing.
    {
        DialogAnswer cancel(L"");
        f.Open.Execute();
    }
    EXPECT_TRUE(view::SameFileName(f.ShockwaveFlash1.Movie(), clip));
}

TEST(MovieLoading, ATypedNameThatDoesNotExistReachesThePlayerButNotTheLabels) {
    TempFolder folder(L"typed name");
    std::wstring clip = folder.AddMovie(L"clip.swf", 12);
    MainWindowUnderTest w;
    auto& f = w.Form;
    {
        DialogAnswer answer(folder / L"nothing.swf");
        ui::App().Guard([&] { f.Open.Execute(); }); // as the menu runs it
    }
    EXPECT_TRUE(view::SameFileName(f.ShockwaveFlash1.Movie(), folder / L"nothing.swf"));
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].Text, L"File not found.");
    EXPECT_EQ(f.Label1.Caption(), IdleTitle);
    EXPECT_FALSE(f.Timer1.Enabled());
    EXPECT_TRUE(w.HaltedLook());
}

TEST(MovieLoading, ClosingTheWindowClosesTheMovie) {
    TempFolder folder(L"window close");
    std::wstring clip = folder.AddMovie(L"clip.swf", 12);
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.FileListBox1.GoToPath(clip);
    w.DoubleClickList();
    f.Close();
    EXPECT_EQ(f.ShockwaveFlash1.Movie(), L" ");
    EXPECT_EQ(f.Label1.Caption(), IdleTitle);
    EXPECT_FALSE(f.Timer1.Enabled());
}

} // namespace
