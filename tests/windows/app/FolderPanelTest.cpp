#include "MainWindowUnderTest.h"
#include "TempFolder.h"
#include "view/FileSystem.h"

#include <gtest/gtest.h>

namespace {

using testing_support::MainWindowUnderTest;
using testing_support::PumpMessagesFor;
using testing_support::RecordedErrors;
using testing_support::TempFolder;

using Names = std::vector<std::wstring>;

TEST(FolderPanel, AMovieFromTheCommandLineIsSelectedInItsFolderAndTheTreeShowsIt) {
    TempFolder folder(L"panel start");
    std::wstring clip = folder.AddMovie(L"clip.swf", 10);
    folder.AddMovie(L"other.swf", 10);
    MainWindowUnderTest w(L"player.exe \"" + clip + L"\"");
    auto& f = w.Form;
    EXPECT_TRUE(view::SameFileName(f.ShellTree1.SelectedPath(), folder.Path().wstring()));
    // The tree's change leaves the list and its selection as they were.
    EXPECT_EQ(f.FileListBox1.Items(), (Names{L"clip.swf", L"other.swf"}));
    EXPECT_TRUE(view::SameFileName(f.FileListBox1.SelectedFilePath(), clip));
    EXPECT_EQ(f.Label1.Caption(), L"clip");
    EXPECT_EQ(f.Label2.Caption().substr(f.Label2.Caption().find(L'/')), L"/10");
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(FolderPanel, TheListShowsTheFolderChosenInTheTree) {
    TempFolder folder(L"panel tree");
    folder.AddMovie(L"b.swf");
    folder.AddMovie(L"A.SWF");
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.ShellTree1.SetSelectedPath(folder.Path().wstring());
    EXPECT_EQ(f.FileListBox1.Items(), (Names{L"A.SWF", L"b.swf"}));
    EXPECT_TRUE(view::SameFileName(f.FileListBox1.CurrentFolder(), folder.Path().wstring()));
}

TEST(FolderPanel, ANodeWithoutAFolderLeavesTheListAsItIs) {
    TempFolder folder(L"panel computer");
    folder.AddMovie(L"a.swf");
    MainWindowUnderTest w;
    auto& f = w.Form;
    HTREEITEM root = f.ShellTree1.Root();
    HTREEITEM virtualNode = nullptr;
    for (HTREEITEM child = f.ShellTree1.FirstChild(root); child && !virtualNode;
         child = f.ShellTree1.NextSibling(child)) {
        f.ShellTree1.Select(child);
        if (f.ShellTree1.SelectedPath().empty())
            virtualNode = child;
    }
    ASSERT_NE(virtualNode, nullptr) << "the desktop shows no computer node";
    f.ShellTree1.SetSelectedPath(folder.Path().wstring());
    f.ShellTree1.Select(virtualNode);
    EXPECT_EQ(f.FileListBox1.Items(), (Names{L"a.swf"}));
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(FolderPanel, ThePanelHidesAndShowsWithItsFolderAndSelection) {
    TempFolder folder(L"panel hide");
    std::wstring clip = folder.AddMovie(L"clip.swf");
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.FileListBox1.GoToPath(clip);
    int view = f.Panel3.Width();
    f.ShowLibruary.Execute(); // off at design: turning it on shows the panel
    EXPECT_TRUE(f.ShowLibruary.Checked());
    EXPECT_TRUE(f.Panel1.Visible());
    f.ShowLibruary.Execute();
    EXPECT_FALSE(f.ShowLibruary.Checked());
    EXPECT_FALSE(f.Panel1.Visible());
    EXPECT_FALSE(f.Splitter1.Visible());
    EXPECT_EQ(f.Panel3.Width(), view + 178);
    f.ShowLibruary.Execute();
    EXPECT_TRUE(f.Panel1.Visible());
    EXPECT_EQ(f.Splitter1.Left(), f.Panel1.Left() - 3);
    EXPECT_TRUE(view::SameFileName(f.FileListBox1.SelectedFilePath(), clip));
}

TEST(FolderPanel, HidingTheTreeLeavesTheSplitterOnTopOfTheList) {
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.ShowDir.Execute(); // on
    EXPECT_TRUE(f.ShellTree1.Visible());
    f.ShowDir.Execute(); // off
    EXPECT_FALSE(f.ShellTree1.Visible());
    EXPECT_EQ(f.Splitter2.Top(), 0);
    EXPECT_EQ(f.FileListBox1.Top(), 2);
    EXPECT_EQ(f.FileListBox1.Height(), f.Panel1.Height() - 2);
}

} // namespace
