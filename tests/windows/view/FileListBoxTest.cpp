#include "view/FileListBox.h"
#include "TempFolder.h"
#include "TestWindows.h"
#include "ui/Form.h"
#include "view/FileSystem.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using testing_support::TempFolder;
using view::TFileListBox;

using Names = std::vector<std::wstring>;

// A window holding one movie list, as the main window has it.
struct ListWindow {
    ui::Form Form;
    TFileListBox& List = Form.Add<TFileListBox>();
    ListWindow() {
        Form.SetBounds({20, 20, 300, 400});
        List.SetBounds({0, 0, 200, 300});
        List.SetMask(L"*.swf");
        List.SetItemHeight(14);
        Form.Handle();
    }
};

std::string Failure(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

TEST(FileListBox, ListsOnlyPlainMovieFilesSortedWithoutRegardToCase) {
    TempFolder folder(L"list");
    folder.AddMovie(L"beta.swf");
    folder.AddMovie(L"Alpha.SWF");
    folder.AddMovie(L"gamma.swf");
    folder.AddFile(L"notes.txt");
    folder.AddFile(L"hidden.swf", FILE_ATTRIBUTE_HIDDEN);
    folder.AddFile(L"system.swf", FILE_ATTRIBUTE_SYSTEM);
    folder.AddFile(L"old.swf", FILE_ATTRIBUTE_READONLY);
    folder.AddFolder(L"folder.swf");
    ListWindow w;
    w.List.GoToPath(folder / L"gamma.swf");
    EXPECT_EQ(w.List.Items(), (Names{L"Alpha.SWF", L"beta.swf", L"gamma.swf", L"old.swf"}));
    EXPECT_TRUE(view::SameFileName(w.List.CurrentFolder(), folder.Path().wstring()));
    EXPECT_EQ(w.List.ItemIndex(), 2);
    EXPECT_TRUE(view::SameFileName(w.List.SelectedFilePath(), folder / L"gamma.swf"));
    ASSERT_EQ(w.List.Entries().size(), 4u);
    EXPECT_GT(w.List.Entries()[0].Size, 0u);
    // The process follows the list into the folder.
    EXPECT_TRUE(view::SameFileName(view::CurrentFolder(), folder.Path().wstring()));
}

TEST(FileListBox, ManyEntriesAreAllListedInOrder) {
    TempFolder folder(L"many");
    for (int i = 149; i >= 0; --i)
        folder.AddFile(L"m" + std::to_wstring(1000 + i) + L".swf");
    ListWindow w;
    w.List.GoToPath(folder.Path().wstring());
    ASSERT_EQ(w.List.Count(), 150);
    EXPECT_EQ(w.List.Items().front(), L"m1000.swf");
    EXPECT_EQ(w.List.Items().back(), L"m1149.swf");
    EXPECT_EQ(w.List.ItemIndex(), -1); // a folder selects nothing
}

TEST(FileListBox, TheFolderShownIsNotReadAgain) {
    TempFolder one(L"one"), two(L"two");
    one.AddMovie(L"a.swf");
    two.AddMovie(L"z.swf");
    ListWindow w;
    w.List.GoToPath(one / L"a.swf");
    one.AddMovie(L"b.swf");
    w.List.GoToPath(one.Path().wstring());
    EXPECT_EQ(w.List.Items(), (Names{L"a.swf"}));
    EXPECT_EQ(w.List.ItemIndex(), 0); // and the selection stays
    w.List.GoToPath(two.Path().wstring());
    w.List.GoToPath(one.Path().wstring());
    EXPECT_EQ(w.List.Items(), (Names{L"a.swf", L"b.swf"}));
}

TEST(FileListBox, NamesWithoutAFolderResolveAgainstTheFolderLastEntered) {
    TempFolder folder(L"relative");
    folder.AddMovie(L"a.swf");
    folder.AddFolder(L"sub");
    folder.AddMovie(L"sub\\deep.swf");
    ListWindow w;
    w.List.GoToPath(folder / L"a.swf");
    w.List.GoToPath(L"sub");
    EXPECT_TRUE(view::SameFileName(w.List.CurrentFolder(), folder / L"sub"));
    EXPECT_EQ(w.List.Items(), (Names{L"deep.swf"}));
    w.List.GoToPath(L"deep.swf");
    EXPECT_EQ(w.List.ItemIndex(), 0);
    // A path in square brackets stays on the current drive.
    std::wstring withoutDrive = (folder / L"a.swf").substr(2);
    w.List.GoToPath(L"[" + withoutDrive + L"]");
    EXPECT_TRUE(view::SameFileName(w.List.SelectedFilePath(), folder / L"a.swf"));
}

TEST(FileListBox, AFileTheMaskHidesBecomesTheMask) {
    TempFolder one(L"mask one"), two(L"mask two");
    one.AddMovie(L"a.swf");
    one.AddMovie(L"a.spl");
    two.AddMovie(L"a.spl");
    two.AddMovie(L"b.swf");
    ListWindow w;
    w.List.GoToPath(one / L"a.spl");
    EXPECT_EQ(w.List.Mask(), L"a.spl");
    EXPECT_EQ(w.List.Items(), (Names{L"a.spl"}));
    EXPECT_EQ(w.List.ItemIndex(), 0);
    // The list keeps that mask in other folders.
    w.List.GoToPath(two.Path().wstring());
    EXPECT_EQ(w.List.Items(), (Names{L"a.spl"}));
    // A pattern as the file part is the new mask.
    w.List.GoToPath(two / L"*.swf;*.spl");
    EXPECT_EQ(w.List.Mask(), L"*.swf;*.spl");
    EXPECT_EQ(w.List.Items(), (Names{L"a.spl", L"b.swf"}));
}

TEST(FileListBox, MissingFoldersAndFilesLeaveTheListAsItWas) {
    TempFolder folder(L"errors");
    folder.AddMovie(L"a.swf");
    ListWindow w;
    w.List.GoToPath(folder / L"a.swf");
    EXPECT_EQ(Failure([&] { w.List.GoToPath(folder / L"missing.swf"); }), "File not found");
    std::string deep = Failure([&] { w.List.GoToPath(folder / L"no\\such\\place\\b.swf"); });
    EXPECT_TRUE(deep == "Invalid filename" || deep == "File not found") << deep;
    EXPECT_EQ(w.List.Items(), (Names{L"a.swf"}));
    EXPECT_EQ(w.List.ItemIndex(), 0);
    EXPECT_TRUE(view::SameFileName(w.List.CurrentFolder(), folder.Path().wstring()));
    // The empty path and the selected file itself change nothing.
    w.List.GoToPath(L"");
    w.List.GoToPath(w.List.SelectedFilePath());
    EXPECT_EQ(w.List.ItemIndex(), 0);
}

TEST(FileListBox, AFileOfTheShownFolderIsFoundWhereverTheProcessWentMeanwhile) {
    // Another part of the program (the open dialog) may move the process's
    // current folder; the shown folder's files must still be found.
    TempFolder shown(L"shown"), elsewhere(L"elsewhere");
    shown.AddMovie(L"a.swf");
    shown.AddMovie(L"b.swf");
    ListWindow w;
    w.List.GoToPath(shown / L"a.swf");
    SetCurrentDirectoryW(elsewhere.Path().c_str());
    w.List.GoToPath(shown / L"b.swf");
    EXPECT_EQ(w.List.ItemIndex(), 1);
}

TEST(FileListBox, RowsAreDrawnByTheList) {
    TempFolder folder(L"draw");
    folder.AddMovie(L"a.swf");
    folder.AddMovie(L"b.swf");
    ListWindow w;
    w.Form.ShowMain();
    w.List.GoToPath(folder / L"b.swf");
    HWND list = w.List.Handle();
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 14);
    HDC dc = GetDC(list);
    COLORREF plain = GetPixel(dc, 150, 7), selected = GetPixel(dc, 150, 14 + 7);
    ReleaseDC(list, dc);
    EXPECT_EQ(plain, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(selected, GetSysColor(COLOR_HIGHLIGHT));
}

TEST(FileListBox, ADoubleClickReachesTheHandler) {
    TempFolder folder(L"click");
    folder.AddMovie(L"a.swf");
    ListWindow w;
    w.Form.ShowMain();
    w.List.GoToPath(folder.Path().wstring());
    int clicks = 0;
    w.List.OnDblClick = [&] { ++clicks; };
    HWND list = w.List.Handle();
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(20, 5));
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 5));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(20, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(w.List.ItemIndex(), 0);
}

} // namespace
