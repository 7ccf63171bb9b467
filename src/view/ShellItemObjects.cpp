#include "view/ShellItemObjects.h"

#include <shellapi.h>

#include <stdexcept>
#include <string>

namespace view {
namespace {

struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

// An interface of the item, asked of its parent folder.
template <class T> ComPtr<T> ItemObject(const ITEMIDLIST* item, HWND owner) {
    ComPtr<IShellFolder> parent;
    const ITEMIDLIST* child = nullptr;
    ComPtr<T> object;
    if (IdCount(item) == 0 || FAILED(SHBindToParent(item, IID_PPV_ARGS(&parent), &child)))
        return object;
    if (FAILED(parent->GetUIObjectOf(owner, 1, &child, __uuidof(T), nullptr, &object)))
        object.Reset();
    return object;
}

} // namespace

void InvokeVerb(const ITEMIDLIST* item, const char* verb, HWND owner) {
    ComPtr<IContextMenu> commands = ItemObject<IContextMenu>(item, owner);
    MenuHandle menu(CreatePopupMenu());
    if (!commands || !menu || FAILED(commands->QueryContextMenu(menu.get(), 0, 1, 0x7FFF, CMF_NORMAL)))
        throw std::runtime_error(std::string("The folder has no \"") + verb + "\" command");
    CMINVOKECOMMANDINFO invoke{};
    invoke.cbSize = sizeof invoke;
    invoke.hwnd = owner;
    invoke.lpVerb = verb;
    invoke.nShow = SW_SHOWNORMAL;
    HRESULT result = commands->InvokeCommand(&invoke);
    if (FAILED(result) && result != HRESULT_FROM_WIN32(ERROR_CANCELLED))
        throw std::runtime_error(std::string("The folder's \"") + verb + "\" command failed");
}

namespace {

// A clipboard medium given back when the scope ends.
class Medium {
public:
    Medium(IDataObject& data, CLIPFORMAT format) {
        FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        held_ = SUCCEEDED(data.GetData(&wanted, &medium_));
    }
    ~Medium() {
        if (held_)
            ReleaseStgMedium(&medium_);
    }
    Medium(const Medium&) = delete;
    Medium& operator=(const Medium&) = delete;
    HGLOBAL Memory() const { return held_ ? medium_.hGlobal : nullptr; }

private:
    STGMEDIUM medium_{};
    bool held_ = false;
};

// What the shell's copy (copy) or cut (move) asked the paste to do.
UINT PasteOperation(IDataObject& data) {
    Medium medium(data, static_cast<CLIPFORMAT>(RegisterClipboardFormatW(CFSTR_PREFERREDDROPEFFECT)));
    UINT operation = FO_COPY;
    if (const auto* effect =
            medium.Memory() ? static_cast<const DWORD*>(GlobalLock(medium.Memory())) : nullptr) {
        operation = *effect & DROPEFFECT_MOVE ? FO_MOVE : FO_COPY;
        GlobalUnlock(medium.Memory());
    }
    return operation;
}

// The files on the clipboard, each closed by a NUL, the list by another.
std::wstring ClipboardFiles(IDataObject& data) {
    Medium medium(data, CF_HDROP);
    std::wstring files;
    auto drop = static_cast<HDROP>(medium.Memory());
    if (!drop)
        return files;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
        files += name + L'\0';
    }
    return files;
}

} // namespace

void PasteInto(const ITEMIDLIST* folder, HWND owner) {
    std::wstring target = PathOf(folder);
    ComPtr<IDataObject> data;
    if (FAILED(OleGetClipboard(&data)) || !data)
        return;
    std::wstring files = ClipboardFiles(*data.Get());
    if (files.empty())
        return; // nothing the folder could take
    if (target.empty())
        throw std::runtime_error("Nothing can be pasted here");
    files += L'\0';
    target.append(2, L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = owner;
    operation.wFunc = PasteOperation(*data.Get());
    operation.pFrom = files.c_str();
    operation.pTo = target.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_RENAMEONCOLLISION;
    if (SHFileOperationW(&operation) != 0 && !operation.fAnyOperationsAborted)
        throw std::runtime_error("The folder's \"paste\" command failed");
}

ComPtr<IDataObject> DataObjectOf(const ITEMIDLIST* item, HWND owner) {
    return ItemObject<IDataObject>(item, owner);
}

ComPtr<IDropTarget> DropTargetOf(const ITEMIDLIST* item, HWND owner) {
    if (IdCount(item) != 0)
        return ItemObject<IDropTarget>(item, owner);
    ComPtr<IShellFolder> desktop;
    ComPtr<IDropTarget> target;
    if (SUCCEEDED(SHGetDesktopFolder(&desktop)))
        desktop->CreateViewObject(owner, IID_PPV_ARGS(&target));
    return target;
}

} // namespace view
