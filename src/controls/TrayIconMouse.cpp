// The tray icon's mouse events: presses, clicks held back for the
// double-click test, double-clicks, the context request and moves.
#include "controls/TrayIcon.h"

#include "ui/Menu.h"

namespace controls {
namespace {

TShiftState KeyboardShiftState() {
    struct KeyState {
        int Key;
        TShiftState State;
    };
    static constexpr KeyState kKeys[] = {{VK_SHIFT, ssShift},  {VK_MENU, ssAlt},      {VK_CONTROL, ssCtrl},
                                         {VK_LBUTTON, ssLeft}, {VK_RBUTTON, ssRight}, {VK_MBUTTON, ssMiddle}};
    TShiftState shift = 0;
    for (const KeyState& key : kKeys)
        if (GetKeyState(key.Key) < 0)
            shift |= key.State;
    return shift;
}

// Runs the default entry of a menu, as a left double-click on the icon does.
void ClickDefaultItem(ui::Menu* menu) {
    if (!menu)
        return;
    UINT id = GetMenuDefaultItem(menu->Handle(), FALSE, 0);
    if (ui::MenuItem* item = id != static_cast<UINT>(-1) ? menu->FindById(id) : nullptr)
        item->Click();
}

} // namespace

void TTrayIcon::HandleCallback(UINT mouseMessage) {
    // The shell's message says what happened, not where: ask for the pointer.
    POINT at{};
    GetCursorPos(&at);
    TShiftState shift = KeyboardShiftState();
    switch (mouseMessage) {
    case WM_MOUSEMOVE:
        return MouseMove(shift, at);
    case WM_LBUTTONDOWN:
        return ButtonDown(TMouseButton::mbLeft, shift, at);
    case WM_RBUTTONDOWN:
        return ButtonDown(TMouseButton::mbRight, shift, at);
    case WM_MBUTTONDOWN:
        return ButtonDown(TMouseButton::mbMiddle, shift, at);
    case WM_LBUTTONUP:
        return ButtonUp(TMouseButton::mbLeft, shift, at);
    case WM_RBUTTONUP:
        ButtonUp(TMouseButton::mbRight, shift, at);
        if (!shell_->IsVersion5OrLater()) // older shells send no context request
            ContextPopup(at);
        return;
    case WM_MBUTTONUP:
        return ButtonUp(TMouseButton::mbMiddle, shift, at);
    case WM_LBUTTONDBLCLK:
        return DoubleClick(TMouseButton::mbLeft);
    case WM_RBUTTONDBLCLK:
        return DoubleClick(TMouseButton::mbRight);
    case WM_MBUTTONDBLCLK:
        return DoubleClick(TMouseButton::mbMiddle);
    case WM_CONTEXTMENU:
    case NIN_KEYSELECT:
        return ContextPopup(at);
    case NIN_BALLOONSHOW:
        if (OnBalloonShow)
            OnBalloonShow();
        return;
    case NIN_BALLOONHIDE:
    case NIN_BALLOONTIMEOUT:
        if (OnBalloonHide)
            OnBalloonHide();
        return;
    case NIN_BALLOONUSERCLICK:
        if (OnBalloonClick)
            OnBalloonClick();
        return;
    default:
        return;
    }
}

void TTrayIcon::MouseMove(TShiftState shift, POINT at) {
    if (hintChanged_ && shown_) {
        CopyTip();
        Request(TrayRequest::Modify, NIF_TIP);
        hintChanged_ = false;
    }
    if (OnMouseMove)
        OnMouseMove(shift, at);
}

void TTrayIcon::ButtonDown(TMouseButton button, TShiftState shift, POINT at) {
    pressed_ = true;
    if (OnMouseDown)
        OnMouseDown(button, shift, at);
}

// A click waits for the double-click time when a double-click would mean
// something else; the double-click then drops it.
void TTrayIcon::ButtonUp(TMouseButton button, TShiftState shift, POINT at) {
    if (pressed_ && WantsClick(button)) {
        if (WantsDoubleClick()) {
            clickHeld_ = true;
            heldButton_ = button;
            heldAt_ = at;
            SetTimer(window_.Handle(), kClickTimer, GetDoubleClickTime(), nullptr);
        } else {
            Click(button, at);
        }
    }
    pressed_ = false;
    if (OnMouseUp)
        OnMouseUp(button, shift, at);
}

void TTrayIcon::FireHeldClick() {
    bool held = clickHeld_;
    DropHeldClick();
    if (held)
        Click(heldButton_, heldAt_);
}

void TTrayIcon::DropHeldClick() {
    KillTimer(window_.Handle(), kClickTimer);
    clickHeld_ = false;
}

void TTrayIcon::Click(TMouseButton button, POINT at) {
    if (OnClick)
        OnClick();
    if (button != TMouseButton::mbLeft)
        return;
    if (DropDownMenu)
        DropDownMenu->Popup(at.x, at.y, window_.Handle());
    if (Visibility.Has(TTrayVisibility::tvMinimizeClick) && ApplicationVisible())
        HideToTray();
    else if (Visibility.Has(TTrayVisibility::tvRestoreClick) && !ApplicationVisible())
        RestoreFromTray();
}

void TTrayIcon::DoubleClick(TMouseButton button) {
    DropHeldClick();
    if (OnDblClick) {
        OnDblClick();
        return;
    }
    if (button != TMouseButton::mbLeft)
        return;
    ClickDefaultItem(PopupMenu);
    if (Visibility.Has(TTrayVisibility::tvMinimizeDbClick) && ApplicationVisible())
        HideToTray();
    else if (Visibility.Has(TTrayVisibility::tvRestoreDbClick) && !ApplicationVisible())
        RestoreFromTray();
}

void TTrayIcon::ContextPopup(POINT at) {
    bool handled = false;
    if (OnContextPopup)
        OnContextPopup(at, handled);
    if (!handled && PopupMenu)
        PopupMenu->Popup(at.x, at.y, window_.Handle());
}

bool TTrayIcon::WantsClick(TMouseButton button) const {
    return OnClick || (button == TMouseButton::mbLeft &&
                       (DropDownMenu || Visibility.Has(TTrayVisibility::tvRestoreClick) ||
                        Visibility.Has(TTrayVisibility::tvMinimizeClick)));
}

bool TTrayIcon::WantsDoubleClick() const {
    return OnDblClick || Visibility.Has(TTrayVisibility::tvRestoreDbClick) ||
           Visibility.Has(TTrayVisibility::tvMinimizeDbClick);
}

} // namespace controls
