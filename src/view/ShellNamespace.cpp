#include "view/ShellNamespace.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <stdexcept>

namespace view {
namespace {

ComPtr<IShellFolder> Desktop() {
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(&desktop)))
        throw std::runtime_error("The shell's desktop folder is not available");
    return desktop;
}

ComPtr<IShellFolder> BindFolder(const ITEMIDLIST* folder) {
    ComPtr<IShellFolder> desktop = Desktop();
    if (IdCount(folder) == 0)
        return desktop;
    ComPtr<IShellFolder> bound;
    if (FAILED(desktop->BindToObject(folder, nullptr, IID_PPV_ARGS(&bound))))
        return nullptr;
    return bound;
}

std::wstring DisplayName(IShellFolder& folder, const ITEMIDLIST* child) {
    STRRET name{};
    if (FAILED(folder.GetDisplayNameOf(child, SHGDN_INFOLDER, &name)))
        return {};
    wchar_t text[MAX_PATH] = L"";
    StrRetToBufW(&name, child, text, MAX_PATH);
    return text;
}

int IconOf(const ITEMIDLIST* list, UINT extra) {
    SHFILEINFOW info{};
    SHGetFileInfoW(reinterpret_cast<const wchar_t*>(list), 0, &info, sizeof info,
                   SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extra);
    return info.iIcon;
}

bool Wanted(SFGAOF attributes, const ChildFilter& filter) {
    if ((attributes & SFGAO_HIDDEN) && !filter.Hidden)
        return false;
    if (!(attributes & SFGAO_FOLDER) && !filter.NonFolders)
        return false;
    return filter.Virtual || (attributes & (SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR));
}

struct Relative {
    Pidl Id;
    SFGAOF Attributes;
};

std::vector<Relative> EnumerateChildren(IShellFolder& folder, const ChildFilter& filter, HWND owner) {
    SHCONTF flags = SHCONTF_FOLDERS | (filter.NonFolders ? SHCONTF_NONFOLDERS : 0) |
                    (filter.Hidden ? SHCONTF_INCLUDEHIDDEN : 0);
    ComPtr<IEnumIDList> items;
    std::vector<Relative> children;
    if (folder.EnumObjects(owner, flags, &items) != S_OK || !items)
        return children;
    ITEMIDLIST* raw = nullptr;
    while (items->Next(1, &raw, nullptr) == S_OK) {
        Pidl child(raw);
        const ITEMIDLIST* one = child.get();
        SFGAOF attributes =
            SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_HIDDEN | SFGAO_HASSUBFOLDER;
        if (SUCCEEDED(folder.GetAttributesOf(1, &one, &attributes)) && Wanted(attributes, filter))
            children.push_back({std::move(child), attributes});
    }
    std::stable_sort(children.begin(), children.end(), [&](const Relative& a, const Relative& b) {
        return static_cast<short>(HRESULT_CODE(folder.CompareIDs(0, a.Id.get(), b.Id.get()))) < 0;
    });
    return children;
}

} // namespace

Pidl ClonePidl(const ITEMIDLIST* list) { return Pidl(ILClone(list)); }

Pidl DesktopPidl() {
    ITEMIDLIST* desktop = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop)))
        throw std::runtime_error("The shell's desktop folder is not available");
    return Pidl(desktop);
}

Pidl ParsePath(const std::wstring& path) {
    if (path.empty())
        return nullptr;
    ITEMIDLIST* list = nullptr;
    std::wstring text = path;
    if (FAILED(Desktop()->ParseDisplayName(nullptr, nullptr, text.data(), nullptr, &list, nullptr)))
        return nullptr;
    return Pidl(list);
}

std::wstring PathOf(const ITEMIDLIST* list) {
    wchar_t path[MAX_PATH] = L"";
    if (!SHGetPathFromIDListW(list, path))
        return {};
    return path;
}

size_t IdCount(const ITEMIDLIST* list) {
    size_t count = 0;
    for (const SHITEMID* id = &list->mkid; id->cb != 0;
         id = reinterpret_cast<const SHITEMID*>(reinterpret_cast<const BYTE*>(id) + id->cb))
        ++count;
    return count;
}

Pidl PidlPrefix(const ITEMIDLIST* list, size_t count) {
    Pidl prefix = ClonePidl(list);
    for (size_t n = IdCount(list); n > count; --n)
        ILRemoveLastID(prefix.get());
    return prefix;
}

bool SamePidl(const ITEMIDLIST* a, const ITEMIDLIST* b) {
    HRESULT order = Desktop()->CompareIDs(0, a, b);
    return SUCCEEDED(order) && HRESULT_CODE(order) == 0;
}

std::vector<ShellChild> FolderChildren(const ITEMIDLIST* folder, const ChildFilter& filter, HWND owner) {
    std::vector<ShellChild> children;
    ComPtr<IShellFolder> bound = BindFolder(folder);
    if (!bound)
        return children;
    for (Relative& child : EnumerateChildren(*bound.Get(), filter, owner)) {
        ShellChild item;
        item.Name = DisplayName(*bound.Get(), child.Id.get());
        item.Id.reset(ILCombine(folder, child.Id.get()));
        item.HasSubfolders = (child.Attributes & SFGAO_HASSUBFOLDER) != 0;
        item.Icon = IconOf(item.Id.get(), 0);
        item.OpenIcon = IconOf(item.Id.get(), SHGFI_OPENICON);
        children.push_back(std::move(item));
    }
    return children;
}

ShellChild DesktopItem() {
    ShellChild desktop;
    desktop.Id = DesktopPidl();
    SHFILEINFOW info{};
    SHGetFileInfoW(reinterpret_cast<const wchar_t*>(desktop.Id.get()), 0, &info, sizeof info,
                   SHGFI_PIDL | SHGFI_DISPLAYNAME);
    desktop.Name = info.szDisplayName;
    desktop.HasSubfolders = true;
    desktop.Icon = IconOf(desktop.Id.get(), 0);
    desktop.OpenIcon = desktop.Icon;
    return desktop;
}

HIMAGELIST SmallSystemIcons() {
    ITEMIDLIST* desktop = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop)))
        return nullptr; // the tree then shows names without icons
    Pidl owned(desktop);
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(reinterpret_cast<const wchar_t*>(owned.get()), 0,
                                                       &info, sizeof info,
                                                       SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

} // namespace view
