#pragma once

#include <windows.h>

#include <oleidl.h>

namespace view {

// The source side of a drag that starts in our window: the drop happens
// when the button is released, Esc cancels, the system draws the cursors.
// Its owner keeps it alive for as long as a drag can run, so the counts of
// references do not decide its life.
class DropSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

} // namespace view
