#include "view/ShellTree.h"
#include "TempFolder.h"
#include "TestWindows.h"
#include "ui/Form.h"
#include "view/FileSystem.h"

#include <gtest/gtest.h>
#include <shlobj.h>

namespace {

using testing_support::PumpMessagesFor;
using testing_support::TempFolder;
using view::TShellTree;

// A window holding one folder tree; it fills itself from the message loop.
struct TreeWindow {
    ui::Form Form;
    TShellTree& Tree = Form.Add<TShellTree>();
    int Changes = 0;
    TreeWindow() {
        Form.SetBounds({20, 20, 400, 500});
        Tree.SetBounds({0, 0, 380, 460});
        Tree.OnChange = [this] { ++Changes; };
        Form.ShowMain();
        PumpMessagesFor(50);
    }

    std::vector<std::wstring> ChildNames(HTREEITEM item) {
        std::vector<std::wstring> names;
        for (HTREEITEM child = Tree.FirstChild(item); child; child = Tree.NextSibling(child))
            names.push_back(Tree.ItemText(child));
        return names;
    }
};

std::wstring DesktopFolder() {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path);
    return path;
}

bool Contains(const std::vector<std::wstring>& names, const std::wstring& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(ShellTree, FillsItselfWithTheDesktopSelected) {
    TreeWindow w;
    HTREEITEM root = w.Tree.Root();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(w.Tree.Selected(), root);
    EXPECT_EQ(w.Changes, 1);
    EXPECT_TRUE(view::SameFileName(w.Tree.SelectedPath(), DesktopFolder()));
    EXPECT_TRUE(w.Tree.IsExpanded(root));
    EXPECT_NE(w.Tree.FirstChild(root), nullptr);
}

TEST(ShellTree, SelectingAPathOpensTheTreeDownToIt) {
    TempFolder folder(L"tree");
    std::wstring inner = folder.AddFolder(L"inner");
    TreeWindow w;
    w.Tree.SetSelectedPath(inner);
    EXPECT_TRUE(view::SameFileName(w.Tree.SelectedPath(), inner));
    EXPECT_EQ(w.Tree.ItemText(w.Tree.Selected()), L"inner");
    EXPECT_EQ(w.Changes, 2);
    // Selecting it again is no change.
    w.Tree.SetSelectedPath(inner);
    EXPECT_EQ(w.Changes, 2);
}

TEST(ShellTree, AnUnknownPathSelectsTheDesktop) {
    TempFolder folder(L"unknown");
    TreeWindow w;
    w.Tree.SetSelectedPath(folder.Path().wstring());
    w.Tree.SetSelectedPath(L"Q:\\no such folder\\anywhere");
    EXPECT_EQ(w.Tree.Selected(), w.Tree.Root());
}

TEST(ShellTree, APathSetBeforeTheTreeFillsIsSelectedWhenItDoes) {
    TempFolder folder(L"early");
    ui::Form form;
    auto& tree = form.Add<TShellTree>();
    tree.SetBounds({0, 0, 300, 300});
    tree.SetSelectedPath(folder.Path().wstring()); // no window yet
    EXPECT_EQ(tree.SelectedPath(), L"");
    form.ShowMain();
    PumpMessagesFor(50);
    EXPECT_TRUE(view::SameFileName(tree.SelectedPath(), folder.Path().wstring()));
}

TEST(ShellTree, ShowsFoldersOnlyAndNoHiddenOnes) {
    TempFolder folder(L"filter");
    folder.AddFolder(L"visible");
    folder.AddFolder(L"secret", FILE_ATTRIBUTE_HIDDEN);
    folder.AddMovie(L"clip.swf");
    TreeWindow w;
    w.Tree.SetSelectedPath(folder.Path().wstring());
    HTREEITEM node = w.Tree.Selected();
    w.Tree.Expand(node);
    EXPECT_EQ(w.ChildNames(node), (std::vector<std::wstring>{L"visible"}));
}

TEST(ShellTree, FolderChangesShowAfterTheShellsNewsAndAfterF5) {
    TempFolder folder(L"refresh");
    folder.AddFolder(L"first");
    TreeWindow w;
    std::wstring first = folder / L"first";
    w.Tree.SetSelectedPath(first);
    HTREEITEM parent = TreeView_GetParent(w.Tree.Handle(), w.Tree.Selected());

    // The shell tells of a folder made by someone else.
    std::wstring made = folder.AddFolder(L"made");
    SHChangeNotify(SHCNE_MKDIR, SHCNF_PATHW | SHCNF_FLUSH, made.c_str(), nullptr);
    PumpMessagesFor(200);
    EXPECT_TRUE(Contains(w.ChildNames(parent), L"made"));

    // Without news, F5 reads the folders again; what is still there keeps
    // its node and the selection.
    folder.AddFolder(L"quiet");
    RemoveDirectoryW(made.c_str());
    SendMessageW(w.Tree.Handle(), WM_KEYDOWN, VK_F5, 0);
    auto names = w.ChildNames(parent);
    EXPECT_TRUE(Contains(names, L"quiet"));
    EXPECT_FALSE(Contains(names, L"made"));
    EXPECT_TRUE(view::SameFileName(w.Tree.SelectedPath(), first));
}

// Sends a key to a window as if typed with Ctrl held down.
void PressWithControl(HWND window, WPARAM key) {
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(window, WM_KEYDOWN, key, 0);
    keys[VK_CONTROL] = saved;
    SetKeyboardState(keys);
}

TEST(ShellTree, CtrlCAndCtrlVCopyAFolderThroughTheShellAndNamesCannotBeEdited) {
    TempFolder folder(L"keys");
    std::wstring inner = folder.AddFolder(L"inner");
    TreeWindow w;
    w.Tree.SetSelectedPath(inner);
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    PressWithControl(w.Tree.Handle(), 'C');
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_HDROP));
    EXPECT_EQ(TreeView_EditLabel(w.Tree.Handle(), w.Tree.Selected()), nullptr);

    // Pasted into another folder, the copy shows in the tree at once.
    std::wstring target = folder.AddFolder(L"target");
    w.Tree.SetSelectedPath(target);
    PressWithControl(w.Tree.Handle(), 'V');
    PumpMessagesFor(200);
    EXPECT_TRUE(view::FolderExists(target + L"\\inner"));
    w.Tree.Expand(w.Tree.Selected());
    EXPECT_EQ(w.ChildNames(w.Tree.Selected()), (std::vector<std::wstring>{L"inner"}));
    EXPECT_TRUE(testing_support::RecordedErrors().empty());
}

} // namespace
