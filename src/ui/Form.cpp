#include "ui/Form.h"

#include "ui/Application.h"

namespace ui {
namespace {

DWORD StyleFor(BorderStyle border) {
    switch (border) {
    case BorderStyle::Sizeable:
        return WS_OVERLAPPEDWINDOW;
    case BorderStyle::Single:
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case BorderStyle::Dialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    case BorderStyle::None:
        return WS_POPUP;
    }
    return WS_OVERLAPPEDWINDOW;
}

constexpr DWORD FrameStyles = WS_OVERLAPPEDWINDOW | WS_POPUP | DS_MODALFRAME;

} // namespace

Form::Form() { SetFont(FontSpec{}); }

Form::~Form() {
    if (toolTips_)
        DestroyWindow(toolTips_);
}

WinControl::CreateParams Form::GetCreateParams() const {
    CreateParams cp;
    cp.Style = StyleFor(borderStyle_) | WS_CLIPCHILDREN;
    cp.ExStyle = WS_EX_CONTROLPARENT | (stayOnTop_ ? WS_EX_TOPMOST : 0);
    return cp;
}

void Form::HandleCreated() {
    ::SetMenu(HandleIfCreated(), menu_ ? menu_->Handle() : nullptr);
    toolTips_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, HandleIfCreated(),
                        nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Form::AddToolTip(HWND control, const std::wstring& text) {
    if (!toolTips_)
        return;
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = HandleIfCreated();
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void Form::SetMenu(Menu* menu) {
    if (menu_)
        menu_->OnChange = nullptr;
    menu_ = menu;
    HWND window = HandleIfCreated();
    if (menu_)
        menu_->OnChange = [window] {
            if (window)
                DrawMenuBar(window);
        };
    if (window) {
        // The client area changes size with the bar: the layout follows.
        ::SetMenu(window, menu_ && !menu_->Items().empty() ? menu_->Handle() : nullptr);
        DrawMenuBar(window);
    }
}

bool Form::HandleShortCut(const MSG& msg) {
    HWND window = HandleIfCreated();
    if (!Actions || !window || GetActiveWindow() != window)
        return false;
    for (WinControl* c = FromHandle(GetFocus()); c; c = c->Parent()) {
        if (c->WantsKey(static_cast<UINT>(msg.wParam)))
            return false;
    }
    ShortCut key = static_cast<ShortCut>(msg.wParam & 0xFF);
    if (GetKeyState(VK_SHIFT) < 0)
        key |= scShift;
    if (GetKeyState(VK_CONTROL) < 0)
        key |= scCtrl;
    if (GetKeyState(VK_MENU) < 0)
        key |= scAlt;
    Action* action = Actions->FindShortCut(key);
    if (!action || !action->Enabled())
        return false;
    App().Guard([action] { action->Execute(); });
    return true;
}

void Form::SetBorderStyle(ui::BorderStyle style) {
    borderStyle_ = style;
    HWND window = HandleIfCreated();
    if (!window)
        return;
    // Restyled in place: the window (and the player inside) is not re-created.
    LONG current = GetWindowLongW(window, GWL_STYLE);
    SetWindowLongW(window, GWL_STYLE, (current & ~FrameStyles) | StyleFor(style));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Form::SetStayOnTop(bool onTop) {
    stayOnTop_ = onTop;
    if (HWND window = HandleIfCreated())
        SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

ui::WindowState Form::GetWindowState() const {
    HWND window = HandleIfCreated();
    if (window && IsIconic(window))
        return WindowState::Minimized;
    if (window && IsZoomed(window))
        return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::SetWindowState(ui::WindowState state) {
    static constexpr int Commands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    if (HWND window = HandleIfCreated(); window && IsWindowVisible(window))
        ShowWindow(window, Commands[static_cast<int>(state)]);
}

// The window rectangle around a client rectangle, with this form's styles.
RECT Form::FrameFor(RECT client) const {
    CreateParams cp = GetCreateParams();
    AdjustWindowRectEx(&client, cp.Style, menu_ && !menu_->Items().empty(), cp.ExStyle);
    return client;
}

void Form::SetClientSize(int width, int height) {
    RECT r = FrameFor({0, 0, width, height});
    SetBounds({Left(), Top(), r.right - r.left, r.bottom - r.top});
}

SIZE Form::ClientSize() const {
    if (HandleIfCreated())
        return WinControl::ClientSize();
    RECT frame = FrameFor({0, 0, 0, 0});
    return {Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top)};
}

void Form::ShowMain() {
    HWND window = Handle();
    ShowWindow(window, SW_SHOWDEFAULT);
    if (CentreOnFirstShow && !centred_ && !IsIconic(window) && !IsZoomed(window))
        CentreOnDesktop();
    centred_ = true;
    UpdateWindow(window);
}

void Form::CentreOnDesktop() {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetBounds({work.left + (work.right - work.left - Width()) / 2,
               work.top + (work.bottom - work.top - Height()) / 2, Width(), Height()});
}

void Form::ShowModal() {
    HWND window = Handle();
    HWND owner = Owner ? Owner->HandleIfCreated() : nullptr;
    if (owner)
        EnableWindow(owner, FALSE);
    modal_ = true;
    ShowWindow(window, SW_SHOW);
    SetActiveWindow(window);
    MSG msg;
    while (modal_ && IsWindow(window)) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // leave it for the main loop
            break;
        }
        App().Dispatch(msg);
    }
    modal_ = false;
    // The owner first, so that it is the one activated when this one hides.
    if (owner)
        EnableWindow(owner, TRUE);
    if (IsWindow(window))
        ShowWindow(window, SW_HIDE);
    if (owner)
        SetActiveWindow(owner);
}

void Form::CentreOver(const Form& other) {
    const Bounds& over = other.GetBounds();
    SetBounds({over.Left + (over.Width - Width()) / 2, over.Top + (over.Height - Height()) / 2, Width(), Height()});
}

void Form::Close() {
    if (HWND window = HandleIfCreated())
        SendMessageW(window, WM_CLOSE, 0, 0);
}

void Form::BoundsChanged() {
    HWND window = HandleIfCreated();
    if (window && !syncing_) {
        const Bounds& b = GetBounds();
        SetWindowPos(window, nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ResizeFinished();
}

void Form::SyncBoundsFromWindow() {
    HWND window = HandleIfCreated();
    if (!window || IsIconic(window))
        return;
    RECT r;
    GetWindowRect(window, &r);
    syncing_ = true;
    SetBounds({r.left, r.top, r.right - r.left, r.bottom - r.top});
    syncing_ = false;
    ResizeFinished();
}

void Form::ApplyMinimum(MINMAXINFO& info) const {
    if (MinimumSize.cx <= 0 && MinimumSize.cy <= 0)
        return;
    RECT r{0, 0, MinimumSize.cx - DesignFrame.cx, MinimumSize.cy - DesignFrame.cy};
    HWND window = HandleIfCreated();
    AdjustWindowRectEx(&r, GetWindowLongW(window, GWL_STYLE), ::GetMenu(window) != nullptr,
                       GetWindowLongW(window, GWL_EXSTYLE));
    info.ptMinTrackSize = {r.right - r.left, r.bottom - r.top};
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SHOWWINDOW:
        // Only the window's own show and hide; lp is set when an owner's
        // state changes.
        if (lp == 0 && wp && !shown_) {
            shown_ = true;
            if (OnShow)
                App().Guard(OnShow);
        } else if (lp == 0 && !wp) {
            shown_ = false;
        }
        break;
    case WM_SIZE:
    case WM_MOVE:
        SyncBoundsFromWindow();
        break;
    case WM_GETMINMAXINFO:
        ApplyMinimum(*reinterpret_cast<MINMAXINFO*>(lp));
        return 0;
    case WM_CLOSE:
        // A failing close handler must not trap the user in the window: its
        // error is shown and the window closes all the same.
        if (OnClose)
            App().Guard(OnClose);
        if (modal_)
            modal_ = false; // the modal loop hides the window
        else if (HideOnClose)
            ShowWindow(HandleIfCreated(), SW_HIDE);
        else
            DestroyWindow(HandleIfCreated());
        return 0;
    case WM_COMMAND:
        // Menu bar entries (controls' commands are reflected to them).
        if (lp == 0 && HIWORD(wp) == 0 && menu_) {
            if (MenuItem* item = menu_->FindById(LOWORD(wp)))
                item->Click();
            return 0;
        }
        break;
    case WM_DESTROY:
        // The menu belongs to us, not to the window that goes now.
        ::SetMenu(HandleIfCreated(), nullptr);
        if (this == App().MainForm())
            PostQuitMessage(0);
        break;
    }
    return WinControl::HandleMessage(msg, wp, lp);
}

} // namespace ui
