#include "view/PathText.h"

#include <gtest/gtest.h>

namespace view {
namespace {

TEST(PathText, DrivesAndNetworkRootsAreFoundAtTheFront) {
    EXPECT_EQ(DriveOf(L"C:\\Movies\\a.swf"), L"C:");
    EXPECT_EQ(DriveOf(L"d:clip.swf"), L"d:");
    EXPECT_EQ(DriveOf(L"\\\\server\\share\\dir\\a.swf"), L"\\\\server\\share");
    EXPECT_EQ(DriveOf(L"\\\\server\\share"), L"\\\\server\\share");
    // Not a root: a server without a share, a lone backslash, a digit.
    EXPECT_EQ(DriveOf(L"\\\\server"), L"");
    EXPECT_EQ(DriveOf(L"\\\\server\\"), L"");
    EXPECT_EQ(DriveOf(L"\\Movies"), L"");
    EXPECT_EQ(DriveOf(L"1:x"), L"");
    EXPECT_EQ(DriveOf(L""), L"");
}

TEST(PathText, SplittingTheRootOffAPath) {
    RootSplit drive = SplitRoot(L"D:\\Movies\\a.swf", L"C:\\Work");
    EXPECT_EQ(drive.Root, L"D:");
    EXPECT_EQ(drive.Rest, L"\\Movies\\a.swf");
    EXPECT_EQ(drive.Drive, L'D');

    // Without a drive the path is on the current folder's drive.
    RootSplit relative = SplitRoot(L"sub\\a.swf", L"C:\\Work");
    EXPECT_EQ(relative.Root, L"C:");
    EXPECT_EQ(relative.Rest, L"sub\\a.swf");
    EXPECT_EQ(relative.Drive, L'C');

    // Square brackets go, and the current drive stays, even with a drive
    // letter inside.
    RootSplit bracketed = SplitRoot(L"[D:\\x]", L"C:\\Work");
    EXPECT_EQ(bracketed.Root, L"C:");
    EXPECT_EQ(bracketed.Rest, L"D:\\x");

    RootSplit network = SplitRoot(L"\\\\srv\\films\\new\\a.swf", L"C:\\Work");
    EXPECT_EQ(network.Root, L"\\\\srv\\films");
    EXPECT_EQ(network.Rest, L"\\new\\a.swf");
    EXPECT_EQ(network.Drive, 0);

    // A current folder on a share gives its root to paths without one.
    RootSplit onShare = SplitRoot(L"a.swf", L"\\\\srv\\films\\new");
    EXPECT_EQ(onShare.Root, L"\\\\srv\\films");
    EXPECT_EQ(onShare.Drive, 0);
}

TEST(PathText, SplittingFolderAndFile) {
    NameSplit deep = SplitName(L"\\Movies\\Old\\a.swf");
    EXPECT_TRUE(deep.HasFolder);
    EXPECT_EQ(deep.Folder, L"\\Movies\\Old");
    EXPECT_EQ(deep.File, L"a.swf");

    NameSplit atRoot = SplitName(L"\\a.swf");
    EXPECT_EQ(atRoot.Folder, L"\\");
    EXPECT_EQ(atRoot.File, L"a.swf");

    NameSplit bare = SplitName(L"a.swf");
    EXPECT_FALSE(bare.HasFolder);
    EXPECT_EQ(bare.File, L"a.swf");

    NameSplit folderOnly = SplitName(L"\\Movies\\");
    EXPECT_EQ(folderOnly.Folder, L"\\Movies");
    EXPECT_EQ(folderOnly.File, L"");

    // A colon separates as a backslash does.
    NameSplit colon = SplitName(L"x:clip.swf");
    EXPECT_EQ(colon.Folder, L"x");
    EXPECT_EQ(colon.File, L"clip.swf");

    EXPECT_EQ(AppendFolder(L"\\", L"Movies"), L"\\Movies");
    EXPECT_EQ(AppendFolder(L"\\Movies", L"Old"), L"\\Movies\\Old");
}

TEST(PathText, MasksAndWildcards) {
    EXPECT_TRUE(HasWildcard(L"*.swf"));
    EXPECT_TRUE(HasWildcard(L"clip?.swf"));
    EXPECT_FALSE(HasWildcard(L"clip.swf"));
    EXPECT_EQ(MaskPatterns(L"*.swf"), (std::vector<std::wstring>{L"*.swf"}));
    EXPECT_EQ(MaskPatterns(L"*.swf;*.spl"), (std::vector<std::wstring>{L"*.swf", L"*.spl"}));
    EXPECT_EQ(MaskPatterns(L";*.swf;;a.b;"), (std::vector<std::wstring>{L"*.swf", L"a.b"}));
    EXPECT_TRUE(MaskPatterns(L"").empty());
}

TEST(PathText, JoiningAFolderAndAName) {
    EXPECT_EQ(JoinPath(L"C:\\Movies", L"a.swf"), L"C:\\Movies\\a.swf");
    EXPECT_EQ(JoinPath(L"C:\\", L"a.swf"), L"C:\\a.swf");
    EXPECT_EQ(JoinPath(L"", L"a.swf"), L"\\a.swf");
}

TEST(PathText, FolderErrorsReadAsTheRunTimeLibraryWords) {
    EXPECT_EQ(FolderErrorText(2), "File not found");
    EXPECT_EQ(FolderErrorText(3), "Invalid filename");
    EXPECT_EQ(FolderErrorText(5), "I/O error 5");
    EXPECT_EQ(FolderErrorText(123), "I/O error 123");
}

} // namespace
} // namespace view
