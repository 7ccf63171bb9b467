#include "ui/CheckBox.h"

namespace ui {

WinControl::CreateParams CheckBox::GetCreateParams() const {
    CreateParams cp;
    cp.ClassName = L"BUTTON";
    // Not automatic: the state is ours, the box only shows it.
    cp.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_CHECKBOX;
    return cp;
}

void CheckBox::HandleCreated() { SendMessageW(HandleIfCreated(), BM_SETCHECK, checked_, 0); }

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    if (HWND window = HandleIfCreated())
        SendMessageW(window, BM_SETCHECK, checked_, 0);
    if (OnClick)
        OnClick();
}

bool CheckBox::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        SetChecked(!checked_);
        result = 0;
        return true;
    }
    if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) {
        auto dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, ColorToRgb(Font().Color));
        SetBkMode(dc, TRANSPARENT);
        background_.reset(CreateSolidBrush(ColorToRgb(Color())));
        result = reinterpret_cast<LRESULT>(background_.get());
        return true;
    }
    return false;
}

} // namespace ui
