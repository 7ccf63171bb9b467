#include "view/PathResolver.h"

#include "view/FileSystem.h"
#include "view/PathText.h"

#include <windows.h>

namespace view {
namespace {

// Entering a drive letter keeps the folder last entered on that drive, so
// names without a folder resolve against it; a network root goes to the
// share's root.
void EnterRoot(const RootSplit& root) {
    if (root.Root.empty() || !FolderExists(root.Root + L"\\"))
        return;
    std::wstring target = root.Drive ? root.Root : root.Root + L"\\";
    SetCurrentDirectoryW(target.c_str());
}

// The current folder of the drive just entered, without the drive.
std::wstring CurrentFolderOnDrive() {
    std::wstring folder = CurrentFolder();
    folder.erase(0, DriveOf(folder).size());
    return folder.empty() ? L"\\" : folder;
}

} // namespace

std::wstring ResolvedPath::FullFolder() const { return Drive ? std::wstring{Drive, L':'} + Folder : Folder; }

ResolvedPath ResolvePath(std::wstring_view path) {
    CurrentFolderKeeper keeper;
    RootSplit root = SplitRoot(path, keeper.Saved());
    EnterRoot(root);
    NameSplit name = SplitName(root.Rest);
    std::wstring folder = name.HasFolder ? name.Folder : CurrentFolderOnDrive();
    EnterFolder(folder);
    if (!name.File.empty() && !HasWildcard(name.File) && !FileExists(name.File)) {
        EnterFolder(name.File);
        folder = AppendFolder(folder, name.File);
        name.File.clear();
    }
    if (!root.Drive)
        folder = root.Root + folder;
    return {root.Drive, folder, name.File};
}

} // namespace view
