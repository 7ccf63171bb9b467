#include "ui/Button.h"

#include "ui/Application.h"

namespace ui {

WinControl::CreateParams Button::GetCreateParams() const {
    CreateParams cp;
    cp.ClassName = L"BUTTON";
    cp.Style = WS_CHILD | WS_CLIPSIBLINGS | BS_PUSHBUTTON;
    return cp;
}

WinControl::CreateParams BitBtn::GetCreateParams() const {
    CreateParams cp = Button::GetCreateParams();
    cp.Style |= BS_ICON;
    return cp;
}

void BitBtn::SetGlyph(IconHandle glyph) {
    glyph_ = std::move(glyph);
    if (HWND window = HandleIfCreated())
        SendMessageW(window, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(glyph_.get()));
}

void BitBtn::HandleCreated() {
    if (glyph_)
        SendMessageW(HandleIfCreated(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(glyph_.get()));
}

void Button::Click() {
    if (OnClick)
        OnClick();
}

bool Button::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED)
        return false;
    Click();
    result = 0;
    return true;
}

LRESULT SpeedButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETFOCUS:
        // Give the focus straight back to whoever had it.
        if (HWND previous = reinterpret_cast<HWND>(wp); previous && IsWindow(previous))
            ::SetFocus(previous);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        LRESULT result = WinControl::HandleMessage(msg, wp, lp);
        if (OnMouseDown)
            OnMouseDown();
        return result;
    }
    case WM_LBUTTONUP: {
        if (OnMouseUp)
            App().Guard(OnMouseUp); // the button must still release
        return WinControl::HandleMessage(msg, wp, lp);
    }
    }
    return WinControl::HandleMessage(msg, wp, lp);
}

} // namespace ui
