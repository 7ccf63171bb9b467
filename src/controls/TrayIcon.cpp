#include "controls/TrayIcon.h"

#include "controls/TrayTip.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/ImageList.h"

#include <commctrl.h>

namespace controls {
namespace {

constexpr UINT_PTR kHookId = 0x7472; // the icon's subclass of the owner window

DWORD ShellMessage(TrayRequest request) {
    switch (request) {
    case TrayRequest::Add:
        return NIM_ADD;
    case TrayRequest::Modify:
        return NIM_MODIFY;
    case TrayRequest::Delete:
        return NIM_DELETE;
    case TrayRequest::SetVersion:
        return NIM_SETVERSION;
    }
    return NIM_MODIFY;
}

// The program's own icon, or the system's application icon without one.
ui::IconHandle ApplicationIcon() {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    if (!icon)
        icon = LoadIconW(nullptr, IDI_APPLICATION);
    return ui::IconHandle(CopyIcon(icon)); // loaded icons are shared: keep a copy of our own
}

// The rectangle of the notification area, when there is a taskbar.
std::optional<RECT> TrayRect() {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    HWND tray = taskbar ? FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
    RECT rect;
    if (!tray || !GetWindowRect(tray, &rect))
        return std::nullopt;
    return rect;
}

} // namespace

TTrayIcon::TTrayIcon(ui::Form& owner, std::unique_ptr<TrayShell> shell)
    : window_([this](UINT msg, WPARAM wp, LPARAM lp) { return HandleMessage(msg, wp, lp); }), owner_(owner),
      shell_(std::move(shell)) {}

TTrayIcon::~TTrayIcon() {
    KillTimer(window_.Handle(), kClickTimer);
    SetActive(false);
}

void TTrayIcon::SetActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        FillRecord();
        InstallHook();
        AddToTray();
    } else {
        StopAnimation();
        RemoveHook();
        RemoveFromTray();
    }
}

void TTrayIcon::SetAnimated(bool animated) {
    if (animated == animated_)
        return;
    animated_ = animated;
    if (animated)
        StartAnimation();
    else
        StopAnimation(); // the picture stays on the frame it shows
}

void TTrayIcon::SetDelay(unsigned milliseconds) {
    if (milliseconds == delay_)
        return;
    bool wasAnimated = animated_;
    SetAnimated(false);
    delay_ = milliseconds;
    SetAnimated(wasAnimated);
}

void TTrayIcon::SetIcon(ui::IconHandle icon) {
    icon_ = std::move(icon);
    SelectPicture();
}

void TTrayIcon::SetIconIndex(int index) {
    if (index == iconIndex_)
        return;
    iconIndex_ = index;
    SelectPicture();
}

void TTrayIcon::SetIcons(ui::ImageList* icons) {
    if (icons == icons_)
        return;
    icons_ = icons;
    SelectPicture();
}

void TTrayIcon::SetHint(std::wstring hint) {
    hint = TrayHintForShell(std::move(hint), shell_->IsVersion5OrLater());
    if (hint == hint_)
        return;
    hint_ = std::move(hint);
    hintChanged_ = true; // the shell gets it when the pointer next moves over the icon
}

void TTrayIcon::FillRecord() {
    bool modern = shell_->IsVersion5OrLater();
    record_ = {};
    record_.cbSize = modern ? NOTIFYICONDATAW_V2_SIZE : NOTIFYICONDATAW_V1_SIZE;
    if (modern)
        record_.uVersion = NOTIFYICON_VERSION;
    record_.hWnd = window_.Handle();
    record_.uID = 1;
    record_.uCallbackMessage = kCallbackMessage;
    if (!picture_)
        MakeCurrent(ApplicationIcon());
    record_.hIcon = picture_.get();
    CopyTip();
}

void TTrayIcon::CopyTip() {
    std::wstring tip = TrayTipText(hint_, shell_->IsVersion5OrLater());
    tip.copy(record_.szTip, tip.size());
    record_.szTip[tip.size()] = L'\0';
}

void TTrayIcon::SelectPicture() {
    if (icons_ && iconIndex_ >= 0 && iconIndex_ < icons_->Count())
        MakeCurrent(ui::IconHandle(icons_->MakeIcon(iconIndex_)));
    else if (icon_)
        MakeCurrent(ui::IconHandle(CopyIcon(icon_.get())));
    else
        MakeCurrent(ApplicationIcon());
}

// The shell keeps its own copy of a picture it was sent, so the previous
// one can go at once.
void TTrayIcon::MakeCurrent(ui::IconHandle picture) {
    picture_ = std::move(picture);
    record_.hIcon = picture_.get();
    if (shown_)
        Request(TrayRequest::Modify, NIF_ICON);
}

bool TTrayIcon::Request(TrayRequest request, UINT flags) {
    record_.uFlags = flags;
    TrayRequestCalls calls{
        [this](TrayRequest r) { return shell_->Notify(ShellMessage(r), record_); },
        [this] { return shell_->LastError(); },
        [this](unsigned milliseconds) { shell_->Wait(milliseconds); },
    };
    return SendTrayRequest(request, !Visibility.Has(TTrayVisibility::tvNoRetryOnFailure), calls);
}

void TTrayIcon::AddToTray() {
    if (shown_ || !active_ || (Visibility.Has(TTrayVisibility::tvAutoHideIcon) && ApplicationVisible()))
        return;
    if (!Request(TrayRequest::Add, NIF_MESSAGE | NIF_ICON | NIF_TIP))
        return;
    shown_ = true;
    if (shell_->IsVersion5OrLater())
        Request(TrayRequest::SetVersion, 0);
    StartAnimation();
}

void TTrayIcon::RemoveFromTray() {
    if (!shown_)
        return;
    StopAnimation();
    if (Request(TrayRequest::Delete, 0))
        shown_ = false;
}

void TTrayIcon::StartAnimation() {
    if (!shown_ || !animated_ || animating_)
        return;
    SetTimer(window_.Handle(), kAnimationTimer, delay_, nullptr);
    animating_ = true;
}

void TTrayIcon::StopAnimation() {
    if (!animating_)
        return;
    KillTimer(window_.Handle(), kAnimationTimer);
    animating_ = false;
}

void TTrayIcon::AnimationStep() {
    int count = shown_ && icons_ ? icons_->Count() : 0;
    if (count < 2) {
        iconIndex_ = 0;
        return;
    }
    SetIconIndex(cycle_.Next(iconIndex_, count, SwingForthAndBack));
    if (OnAnimate)
        OnAnimate();
}

std::optional<LRESULT> TTrayIcon::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == TrayUtilityWindow::TaskbarCreatedMessage()) {
        TaskbarCreated();
        return 0;
    }
    switch (msg) {
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wp)
            RemoveFromTray();
        else
            AddToTray();
        return 0;
    case WM_TIMER:
        HandleTimer(wp);
        return 0;
    case kCallbackMessage:
        HandleCallback(static_cast<UINT>(lp));
        return 0;
    default:
        return std::nullopt;
    }
}

// A new taskbar holds none of the old icons: even when the shell refuses to
// delete ours, it is no longer shown and must be added again.
void TTrayIcon::TaskbarCreated() {
    RemoveFromTray();
    shown_ = false;
    AddToTray();
}

void TTrayIcon::HandleTimer(UINT_PTR id) {
    if (id == kAnimationTimer)
        AnimationStep();
    else if (id == kClickTimer)
        FireHeldClick();
}

bool TTrayIcon::ApplicationVisible() const {
    HWND window = owner_.HandleIfCreated();
    return window && IsWindowVisible(window) && !IsIconic(window);
}

void TTrayIcon::InstallHook() {
    if (!hooked_)
        hooked_ = SetWindowSubclass(owner_.Handle(), HookProc, kHookId, reinterpret_cast<DWORD_PTR>(this));
}

void TTrayIcon::RemoveHook() {
    if (!hooked_)
        return;
    if (HWND window = owner_.HandleIfCreated())
        RemoveWindowSubclass(window, HookProc, kHookId);
    hooked_ = false;
}

// The minimise command is carried out first and the window then leaves the
// taskbar: hiding it before would let the minimise show it again.
LRESULT CALLBACK TTrayIcon::HookProc(HWND window, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    LRESULT result = DefSubclassProc(window, msg, wp, lp);
    auto* self = reinterpret_cast<TTrayIcon*>(data);
    if (msg == WM_SYSCOMMAND && wp == SC_MINIMIZE && self->active_ &&
        self->Visibility.Has(TTrayVisibility::tvAutoHide))
        ui::App().Guard([self] { self->HideToTray(); });
    return result;
}

void TTrayIcon::AnimateCaption(HWND window, bool towardsTray) const {
    std::optional<RECT> tray = TrayRect();
    RECT bounds;
    if (!Visibility.Has(TTrayVisibility::tvAnimateToTray) || !tray || !GetWindowRect(window, &bounds))
        return;
    if (towardsTray)
        DrawAnimatedRects(window, IDANI_CAPTION, &bounds, &*tray);
    else
        DrawAnimatedRects(window, IDANI_CAPTION, &*tray, &bounds);
}

// The owner window is the application here: its taskbar button goes and
// comes with the window itself.
void TTrayIcon::HideToTray() {
    HWND window = owner_.Handle();
    if (ApplicationVisible()) {
        if (Snap || Visibility.Has(TTrayVisibility::tvAnimateToTray))
            AnimateCaption(window, true);
        else
            ShowWindow(window, SW_MINIMIZE);
    }
    ShowWindow(window, SW_HIDE);
    Visibility.Exclude(TTrayVisibility::tvVisibleTaskBar);
    if (Visibility.Has(TTrayVisibility::tvAutoHideIcon))
        AddToTray();
}

void TTrayIcon::RestoreFromTray() {
    HWND window = owner_.Handle();
    Visibility.Include(TTrayVisibility::tvVisibleTaskBar);
    if (!ApplicationVisible()) {
        AnimateCaption(window, false);
        ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
        SetForegroundWindow(window);
    }
    if (Visibility.Has(TTrayVisibility::tvAutoHideIcon))
        RemoveFromTray();
}

} // namespace controls
