#include "ui/Edit.h"

namespace ui {

WinControl::CreateParams Edit::GetCreateParams() const {
    CreateParams cp;
    cp.ClassName = L"EDIT";
    cp.Style = WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
    cp.ExStyle = WS_EX_CLIENTEDGE;
    return cp;
}

bool Edit::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != EN_CHANGE)
        return false;
    HWND window = HandleIfCreated();
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    StoreText(std::move(text));
    result = 0;
    return true;
}

} // namespace ui
