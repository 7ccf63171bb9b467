#include "TestMovies.h"
#include "TestWindows.h"
#include "app/Form1.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using testing_support::PumpMessagesFor;
using testing_support::TempMovie;

TEST(CommandLineMovie, OpensAndPlaysAtOnce) {
    TempMovie movie(L"clip.swf", 20, 25);
    app::TForm1 form(L"\"C:\\Program Files\\KorvalenFlashPlayer.exe\" \"" + movie.Path().wstring() + L"\"");
    EXPECT_EQ(form.ShockwaveFlash1.Movie(), L" "); // the blank view until the window shows
    form.ShowMain();
    EXPECT_EQ(form.ShockwaveFlash1.Movie(), movie.Path().wstring());
    EXPECT_EQ(form.ShockwaveFlash1.TotalFrames(), 20);
    EXPECT_TRUE(form.ShockwaveFlash1.IsPlaying());
    EXPECT_FALSE(form.BitBtn4.Visible());
    EXPECT_TRUE(form.BitBtn6.Visible());
    PumpMessagesFor(400);
    EXPECT_GE(form.ShockwaveFlash1.CurrentFrame(), 4);
    EXPECT_TRUE(testing_support::RecordedErrors().empty());
}

TEST(CommandLineMovie, UnquotedArgumentsJoinWithSingleSpaces) {
    // The temporary folder's name has a space in it; the arguments are
    // split there and joined again.
    TempMovie movie(L"two  blanks.swf", 3, 12);
    std::wstring path = movie.Path().wstring();
    ASSERT_NE(path.find(L"kfp tests"), std::wstring::npos);
    app::TForm1 form(L"player.exe " + path);
    form.ShowMain();
    std::wstring expected = path;
    expected.replace(expected.find(L"two  blanks"), 11, L"two blanks");
    EXPECT_EQ(form.ShockwaveFlash1.Movie(), expected);
    EXPECT_EQ(form.ShockwaveFlash1.TotalFrames(), 0); // "two blanks.swf" does not exist
    EXPECT_EQ(form.ShockwaveFlash1.ProblemText(), L"file not found");
    // The file list cannot show it: the rest of the start is skipped.
    ASSERT_EQ(testing_support::RecordedErrors().size(), 1u);
    EXPECT_EQ(testing_support::RecordedErrors()[0].Text, L"File not found.");
    EXPECT_TRUE(form.BitBtn4.Visible());
    EXPECT_FALSE(form.Timer1.Enabled());
}

TEST(CommandLineMovie, AMovieThatIsNoMovieShowsWhyWithoutAnErrorBox) {
    auto path = std::filesystem::temp_directory_path() / L"kfp not a movie.swf";
    std::ofstream(path) << "just text";
    app::TForm1 form(L"player.exe \"" + path.wstring() + L"\"");
    form.ShowMain();
    EXPECT_EQ(form.ShockwaveFlash1.TotalFrames(), 0);
    EXPECT_EQ(form.ShockwaveFlash1.ProblemText(), L"not a Flash movie");
    EXPECT_TRUE(testing_support::RecordedErrors().empty());
    std::filesystem::remove(path);
}

TEST(CommandLineMovie, WithoutArgumentsNothingIsLoaded) {
    app::TForm1 form(L"\"C:\\a b\\KorvalenFlashPlayer.exe\"   ");
    form.ShowMain();
    EXPECT_EQ(form.ShockwaveFlash1.Movie(), L" "); // the intro option is off
    EXPECT_EQ(form.ShockwaveFlash1.TotalFrames(), 0);
    EXPECT_TRUE(form.BitBtn4.Visible());
}

TEST(PlayerControl, TransportAndProperties) {
    TempMovie movie(L"transport.swf", 5, 12);
    app::TForm1 form(L"p.exe");
    form.ShowMain();
    auto& flash = form.ShockwaveFlash1;
    auto pixel = [&] {
        RedrawWindow(flash.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(flash.Handle());
        COLORREF c = GetPixel(dc, 10, 10);
        ReleaseDC(flash.Handle(), dc);
        return c;
    };
    EXPECT_EQ(pixel(), RGB(255, 255, 255)); // no movie, no colour: white
    flash.SetMovie(movie.Path().wstring());
    EXPECT_EQ(pixel(), RGB(0x20, 0x40, 0x80)); // the movie's own background
    flash.SetBackgroundColor(0xFF8000);        // 0x00RRGGBB
    EXPECT_EQ(pixel(), RGB(0xFF, 0x80, 0x00));
    flash.StopPlay();
    flash.Forward();
    flash.Forward();
    EXPECT_EQ(flash.CurrentFrame(), 2);
    flash.Back();
    EXPECT_EQ(flash.CurrentFrame(), 1);
    flash.Stop();
    flash.Rewind();
    EXPECT_EQ(flash.CurrentFrame(), 0);
    EXPECT_FALSE(flash.IsPlaying());
    flash.SetBackgroundColor(0x123456);
    EXPECT_EQ(flash.BackgroundColor(), 0x123456);
    flash.SetBackgroundColor(-1);
    EXPECT_EQ(flash.BackgroundColor(), -1);
    flash.SetQuality2(L"Low");
    EXPECT_THROW(flash.SetQuality2(L"Sharp"), std::invalid_argument);
    flash.SetMovie(L" ");
    EXPECT_EQ(flash.Movie(), L" ");
    EXPECT_EQ(flash.TotalFrames(), 0);
    EXPECT_EQ(flash.ProblemText(), L"");
}

} // namespace
