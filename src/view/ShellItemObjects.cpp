#include "view/ShellItemObjects.h"

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
