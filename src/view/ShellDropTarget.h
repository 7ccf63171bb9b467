#pragma once

#include "view/ShellNamespace.h"

#include <commctrl.h>
#include <oleidl.h>

#include <functional>

namespace view {

// Takes drops on the folders of a tree and hands each to the shell's own
// drop handler of the folder under the pointer, which copies or moves. Its
// owner keeps it alive while it is registered, so the counts of references
// do not decide its life.
class ShellDropTarget final : public IDropTarget {
public:
    struct Hit {
        HTREEITEM Item = nullptr;
        const ITEMIDLIST* Id = nullptr;
    };
    // The folder under a point in screen coordinates.
    std::function<Hit(POINT)> HitTest;
    // Marks the folder a drop would go to (null: none).
    std::function<void(HTREEITEM)> Highlight;
    // A drop went to the folder.
    std::function<void(HTREEITEM)> Dropped;
    HWND Owner = nullptr;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

private:
    void Follow(DWORD keys, POINTL at, DWORD* effect);
    void LeaveFolder();

    ComPtr<IDataObject> data_;
    ComPtr<IDropTarget> folder_;
    HTREEITEM item_ = nullptr;
};

} // namespace view
