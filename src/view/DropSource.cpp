#include "view/DropSource.h"

namespace view {

HRESULT DropSource::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IDropSource) {
        *object = static_cast<IDropSource*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT DropSource::QueryContinueDrag(BOOL escapePressed, DWORD keys) {
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    if (!(keys & (MK_LBUTTON | MK_RBUTTON)))
        return DRAGDROP_S_DROP;
    return S_OK;
}

} // namespace view
