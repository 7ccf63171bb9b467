#pragma once

#include <windows.h>

#include <shlobj.h>
#include <wrl/client.h>

#include <memory>
#include <string>
#include <vector>

// The shell's folder namespace as the folder tree sees it: items named by
// absolute item lists from the desktop.
namespace view {

using Microsoft::WRL::ComPtr;

struct PidlDeleter {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
// An absolute item list (from the desktop) owned by the holder.
using Pidl = std::unique_ptr<ITEMIDLIST, PidlDeleter>;

Pidl ClonePidl(const ITEMIDLIST* list);
// The desktop itself: the empty list.
Pidl DesktopPidl();
// The item a file-system path names; null when the shell cannot parse it.
Pidl ParsePath(const std::wstring& path);
// The file-system path of an item; empty for an item without one.
std::wstring PathOf(const ITEMIDLIST* list);
size_t IdCount(const ITEMIDLIST* list);
// The first `count` ids of list.
Pidl PidlPrefix(const ITEMIDLIST* list, size_t count);
// Whether both name the same item, as the desktop compares them.
bool SamePidl(const ITEMIDLIST* a, const ITEMIDLIST* b);

// Which children a folder gives.
struct ChildFilter {
    bool NonFolders = false;
    bool Hidden = false;
    // Also folders that neither are nor hold file-system folders.
    bool Virtual = false;
};

struct ShellChild {
    Pidl Id;
    std::wstring Name;
    bool HasSubfolders = false;
    int Icon = 0;
    int OpenIcon = 0;
};

// The children of a folder item, in the shell's own order.
std::vector<ShellChild> FolderChildren(const ITEMIDLIST* folder, const ChildFilter& filter, HWND owner);
// The desktop as a tree's top item.
ShellChild DesktopItem();

// The shell's shared list of small icons.
HIMAGELIST SmallSystemIcons();

} // namespace view
