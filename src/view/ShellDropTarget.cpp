#include "view/ShellDropTarget.h"

#include "view/ShellItemObjects.h"

namespace view {

HRESULT ShellDropTarget::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

void ShellDropTarget::LeaveFolder() {
    if (folder_)
        folder_->DragLeave();
    folder_.Reset();
    item_ = nullptr;
    if (Highlight)
        Highlight(nullptr);
}

// Moves to the folder under the pointer, telling the folder left and the
// folder entered, and asks the current one what the drop would do.
void ShellDropTarget::Follow(DWORD keys, POINTL at, DWORD* effect) {
    Hit hit = HitTest ? HitTest(POINT{at.x, at.y}) : Hit{};
    if (hit.Item != item_) {
        LeaveFolder();
        item_ = hit.Item;
        if (hit.Id)
            folder_ = DropTargetOf(hit.Id, Owner);
        if (folder_ && FAILED(folder_->DragEnter(data_.Get(), keys, at, effect)))
            folder_.Reset();
        if (Highlight)
            Highlight(folder_ ? item_ : nullptr);
    } else if (folder_) {
        folder_->DragOver(keys, at, effect);
    }
    if (!folder_)
        *effect = DROPEFFECT_NONE;
}

HRESULT ShellDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) {
    data_ = data;
    item_ = nullptr;
    Follow(keys, at, effect);
    return S_OK;
}

HRESULT ShellDropTarget::DragOver(DWORD keys, POINTL at, DWORD* effect) {
    Follow(keys, at, effect);
    return S_OK;
}

HRESULT ShellDropTarget::DragLeave() {
    LeaveFolder();
    data_.Reset();
    return S_OK;
}

HRESULT ShellDropTarget::Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) {
    data_ = data;
    Follow(keys, at, effect);
    HTREEITEM item = item_;
    ComPtr<IDropTarget> folder = folder_;
    folder_.Reset(); // the folder's own drop ends its drag
    LeaveFolder();
    data_.Reset();
    if (!folder)
        return S_OK;
    HRESULT result = folder->Drop(data, keys, at, effect);
    if (SUCCEEDED(result) && Dropped)
        Dropped(item);
    return result;
}

} // namespace view
