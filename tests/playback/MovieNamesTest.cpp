#include "playback/MovieNames.h"

#include <gtest/gtest.h>

namespace playback {
namespace {

TEST(MovieNames, TheTitleIsTheNameWithoutItsLastFourCharacters) {
    EXPECT_EQ(MovieTitle(L"C:\\Movies\\clip.swf"), L"clip");
    EXPECT_EQ(MovieTitle(L"C:\\Movies\\a.b.swf"), L"a.b");
    EXPECT_EQ(MovieTitle(L"x.swf"), L"x");
    EXPECT_EQ(MovieTitle(L"D:clip.swf"), L"clip");
    EXPECT_EQ(MovieTitle(L"\\\\srv\\films\\Новый.swf"), L"Новый");
    // Four characters go, whatever the extension is.
    EXPECT_EQ(MovieTitle(L"C:\\a\\movie.html"), L"movie.");
    // Four characters or fewer leave nothing; so do a folder and nothing.
    EXPECT_EQ(MovieTitle(L"C:\\a\\.swf"), L"");
    EXPECT_EQ(MovieTitle(L"C:\\a\\abc"), L"");
    EXPECT_EQ(MovieTitle(L"C:\\a\\"), L"");
    EXPECT_EQ(MovieTitle(L""), L"");
    EXPECT_EQ(MovieTitle(L" "), L"");
}

TEST(MovieNames, OnlyTheBlankValueAndTheIntroAreNoUserMovie) {
    const std::wstring intro = L"C:\\Program\\intro-1.swf";
    EXPECT_FALSE(UserMovieLoaded(L" ", intro));
    EXPECT_FALSE(UserMovieLoaded(intro, intro));
    EXPECT_TRUE(UserMovieLoaded(L"C:\\Movies\\clip.swf", intro));
    // The empty value left by a list with nothing selected counts as loaded.
    EXPECT_TRUE(UserMovieLoaded(L"", intro));
    // The comparisons are exact.
    EXPECT_TRUE(UserMovieLoaded(L"c:\\program\\INTRO-1.SWF", intro));
    EXPECT_TRUE(UserMovieLoaded(L"  ", intro));
}

TEST(MovieNames, FolderAndFrameText) {
    EXPECT_EQ(FolderOf(L"C:\\Movies\\clip.swf"), L"C:\\Movies\\");
    EXPECT_EQ(FolderOf(L"D:clip.swf"), L"D:");
    EXPECT_EQ(FolderOf(L"clip.swf"), L"");
    EXPECT_EQ(FrameText(0, 1), L"0/1");
    EXPECT_EQ(FrameText(39, 100), L"39/100");
}

} // namespace
} // namespace playback
