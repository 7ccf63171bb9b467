#include "ui/WinControl.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Handles.h"
#include "ui/Menu.h"
#include "ui/Text.h"
#include "ui/WindowClass.h"

#include <commctrl.h>

#include <stdexcept>

namespace ui {
namespace {

constexpr wchar_t ControlProperty[] = L"KfpControl";

bool Intersects(const RECT& a, const Bounds& b) {
    return a.left < b.Right() && b.Left < a.right && a.top < b.Bottom() && b.Top < a.bottom;
}

} // namespace

const wchar_t* WinControl::OwnClassName() {
    return RegisterWindowClass(L"KfpWindow", OwnClassProc, CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW));
}

WinControl* WinControl::FromHandle(HWND window) {
    return window ? static_cast<WinControl*>(GetPropW(window, ControlProperty)) : nullptr;
}

WinControl::~WinControl() {
    // Children first, so that each is told of its own window's end.
    children_.clear();
    DestroyHandle();
}

Control& WinControl::Adopt(std::unique_ptr<Control> child) {
    Control& ref = *child;
    ref.parent_ = this;
    children_.push_back(std::move(child));
    if (window_) {
        if (auto* win = dynamic_cast<WinControl*>(&ref))
            win->CreateHandle(window_);
    }
    Realign();
    return ref;
}

Form* WinControl::OwnerForm() {
    WinControl* top = this;
    while (top->Parent())
        top = top->Parent();
    return dynamic_cast<Form*>(top);
}

HWND WinControl::Handle() {
    if (window_)
        return window_;
    // Creating the parent's window creates ours along with it.
    HWND parent = ParentWindowFor();
    if (!window_)
        CreateHandle(parent);
    return window_;
}

void WinControl::CreateHandle(HWND parentWindow) {
    CreateParams cp = GetCreateParams();
    DWORD style = cp.Style;
    if (Visible() && (style & WS_CHILD))
        style |= WS_VISIBLE;
    if (!Enabled())
        style |= WS_DISABLED;
    if (TabStop)
        style |= WS_TABSTOP;
    bool own = cp.ClassName == nullptr;
    const Bounds& b = GetBounds();
    HWND window = CreateWindowExW(cp.ExStyle, own ? OwnClassName() : cp.ClassName, text_.c_str(), style,
                                  b.Left, b.Top, b.Width, b.Height, parentWindow, nullptr,
                                  GetModuleHandleW(nullptr), own ? this : nullptr);
    if (!window)
        throw std::runtime_error("Cannot create the window of " + Narrow(Name()));
    if (!own) {
        Attach(window);
        SetWindowSubclass(window, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
        subclassed_ = true;
    }
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(Font())), FALSE);
    if (ShowHint && !Hint.empty()) {
        if (Form* form = OwnerForm())
            form->AddToolTip(window, Hint);
    }
    HandleCreated();
    CreateChildHandles();
}

void WinControl::CreateChildHandles() {
    for (auto& child : children_) {
        if (auto* win = dynamic_cast<WinControl*>(child.get()); win && !win->window_)
            win->CreateHandle(window_);
    }
}

void WinControl::Attach(HWND window) {
    window_ = window;
    SetPropW(window, ControlProperty, this);
}

void WinControl::DestroyHandle() {
    if (window_)
        DestroyWindow(window_); // WM_NCDESTROY detaches
}

LRESULT CALLBACK WinControl::OwnClassProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<WinControl*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->Attach(window);
    }
    if (auto* self = FromHandle(window))
        return self->Dispatch(msg, wp, lp);
    return DefWindowProcW(window, msg, wp, lp);
}

LRESULT CALLBACK WinControl::SubclassProc(HWND, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    return reinterpret_cast<WinControl*>(self)->Dispatch(msg, wp, lp);
}

LRESULT WinControl::Dispatch(UINT msg, WPARAM wp, LPARAM lp) noexcept {
    HWND window = window_;
    LRESULT result = 0;
    try {
        if (!ReflectToChild(msg, wp, lp, result))
            result = HandleMessage(msg, wp, lp);
    } catch (...) {
        if (msg == WM_PAINT)
            ValidateRect(window, nullptr); // or the failed paint repeats forever
        App().HandleException();
    }
    if (msg == WM_NCDESTROY) {
        RemovePropW(window, ControlProperty);
        if (subclassed_)
            RemoveWindowSubclass(window, SubclassProc, 1);
        subclassed_ = false;
        window_ = nullptr;
    }
    return result;
}

bool WinControl::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND from = nullptr;
    switch (msg) {
    case WM_COMMAND:
        from = reinterpret_cast<HWND>(lp);
        break;
    case WM_NOTIFY:
        from = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
        break;
    case WM_DRAWITEM:
        from = reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem;
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        from = reinterpret_cast<HWND>(lp);
        break;
    default:
        return false;
    }
    WinControl* child = from && from != window_ ? FromHandle(from) : nullptr;
    return child && child->HandleReflected(msg, wp, lp, result);
}

bool WinControl::HandleReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT WinControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (subclassed_)
        return DefSubclassProc(window_, msg, wp, lp);
    return DefWindowProcW(window_, msg, wp, lp);
}

LRESULT WinControl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CONTEXTMENU && PopupMenu) {
        POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (lp == -1) { // from the keyboard: at the control's corner
            at = {0, 0};
            ClientToScreen(window_, &at);
        }
        PopupMenu->PopupComponent = this;
        PopupMenu->Popup(at.x, at.y, window_);
        return 0;
    }
    if (!subclassed_) {
        switch (msg) {
        case WM_ERASEBKGND: {
            // Our own WM_PAINT covers everything: no flicker. A transparent
            // child (a flat toolbar) asks for our background in its DC.
            auto dc = reinterpret_cast<HDC>(wp);
            if (WindowFromDC(dc) != window_) {
                RECT area;
                GetClipBox(dc, &area);
                PaintBackground(dc, area);
            }
            return 1;
        }
        case WM_PAINT: {
            PaintScope paint(window_);
            PaintWindow(paint.Dc(), paint.Dirty());
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT all{0, 0, ClientWidth(), ClientHeight()};
            PaintWindow(reinterpret_cast<HDC>(wp), all);
            return 0;
        }
        }
    }
    return DefaultProc(msg, wp, lp);
}

void WinControl::PaintWindow(HDC dc, const RECT& dirty) { PaintBackground(dc, dirty); }

void WinControl::PaintBackground(HDC dc, const RECT& area) {
    BrushHandle brush(CreateSolidBrush(ColorToRgb(Color())));
    FillRect(dc, &area, brush.get());
    PaintGraphicChildren(dc, area);
}

void WinControl::PaintGraphicChildren(HDC dc, const RECT& dirty) {
    for (auto& child : children_) {
        const Bounds& b = child->GetBounds();
        if (!child->Visible() || dynamic_cast<WinControl*>(child.get()) || !Intersects(dirty, b))
            continue;
        int saved = SaveDC(dc);
        POINT origin;
        OffsetViewportOrgEx(dc, b.Left, b.Top, &origin);
        IntersectClipRect(dc, 0, 0, b.Width, b.Height);
        child->Paint(dc);
        RestoreDC(dc, saved);
    }
}

void WinControl::SetText(std::wstring text) {
    text_ = std::move(text);
    if (window_)
        SetWindowTextW(window_, text_.c_str());
}

SIZE WinControl::ClientSize() const {
    if (!window_)
        return {Width(), Height()};
    RECT r;
    GetClientRect(window_, &r);
    return {r.right, r.bottom};
}

void WinControl::Invalidate() {
    if (window_)
        InvalidateRect(window_, nullptr, FALSE);
}

void WinControl::SetFocus() {
    if (Handle() && IsWindowVisible(window_) && IsWindowEnabled(window_))
        ::SetFocus(window_);
}

bool WinControl::Focused() const { return window_ && GetFocus() == window_; }

void WinControl::Realign() {
    RECT r{0, 0, ClientWidth(), ClientHeight()};
    for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (auto& child : children_) {
            if (child->GetAlign() != pass || !child->Visible())
                continue;
            const Bounds& b = child->GetBounds();
            Bounds placed;
            switch (pass) {
            case Align::Top:
                placed = {r.left, r.top, r.right - r.left, b.Height};
                r.top += b.Height;
                break;
            case Align::Bottom:
                placed = {r.left, r.bottom - b.Height, r.right - r.left, b.Height};
                r.bottom -= b.Height;
                break;
            case Align::Left:
                placed = {r.left, r.top, b.Width, r.bottom - r.top};
                r.left += b.Width;
                break;
            case Align::Right:
                placed = {r.right - b.Width, r.top, b.Width, r.bottom - r.top};
                r.right -= b.Width;
                break;
            default:
                placed = {r.left, r.top, r.right - r.left, r.bottom - r.top};
                break;
            }
            placed.Width = std::max(placed.Width, 0);
            placed.Height = std::max(placed.Height, 0);
            if (placed == b)
                continue;
            child->InvalidateInParent();
            child->bounds_ = placed; // set directly: no realign recursion into us
            child->InvalidateInParent();
            child->BoundsChanged();
        }
    }
}

void WinControl::BoundsChanged() {
    const Bounds& b = GetBounds();
    if (window_ && (GetWindowLongW(window_, GWL_STYLE) & WS_CHILD))
        MoveWindow(window_, b.Left, b.Top, b.Width, b.Height, TRUE);
    ResizeFinished();
}

void WinControl::ResizeFinished() {
    Bounds size{0, 0, ClientWidth(), ClientHeight()};
    if (size == lastSize_)
        return;
    lastSize_ = size;
    Realign();
    if (OnResize)
        OnResize();
}

void WinControl::VisibilityChanged() {
    if (window_)
        ShowWindow(window_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void WinControl::EnabledChanged() {
    if (window_)
        EnableWindow(window_, Enabled());
}

void WinControl::AppearanceChanged() {
    if (!window_)
        return;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(Font())), FALSE);
    Invalidate();
}

} // namespace ui
