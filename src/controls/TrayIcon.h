#pragma once

#include "controls/TrayFrameCycle.h"
#include "controls/TrayRequest.h"
#include "controls/TrayShell.h"
#include "controls/TrayTypes.h"
#include "controls/TrayUtilityWindow.h"
#include "ui/Handles.h"

#include <functional>
#include <string>

namespace ui {
class Form;
class ImageList;
class Menu;
} // namespace ui

namespace controls {

// One icon in the notification area: there while Active, cycling through
// the pictures of Icons while Animated, put back when the taskbar is
// created anew, and able to hide the application (its owner window) to the
// tray. The icon talks to the shell through a TrayShell and receives the
// shell's messages, its timers and the system's broadcasts on a hidden
// window of its own.
class TTrayIcon {
public:
    // The callback message the shell sends mouse events with.
    static constexpr UINT kCallbackMessage = WM_USER + 1;

    explicit TTrayIcon(ui::Form& owner, std::unique_ptr<TrayShell> shell = SystemTrayShell());
    virtual ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    bool Active() const { return active_; }
    void SetActive(bool active);
    bool Animated() const { return animated_; }
    void SetAnimated(bool animated);
    // The picture shown when Icons has none at IconIndex; owned.
    HICON Icon() const { return icon_.get(); }
    void SetIcon(ui::IconHandle icon);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    // Referenced, not owned: it must outlive the icon or be reset first.
    ui::ImageList* Icons() const { return icons_; }
    void SetIcons(ui::ImageList* icons);
    const std::wstring& Hint() const { return hint_; }
    void SetHint(std::wstring hint);
    // Milliseconds between animation steps.
    unsigned Delay() const { return delay_; }
    void SetDelay(unsigned milliseconds);

    // Referenced menus: the left click opens DropDownMenu, the context
    // request PopupMenu, a left double-click runs PopupMenu's default entry.
    ui::Menu* DropDownMenu = nullptr;
    ui::Menu* PopupMenu = nullptr;
    // Hide the main window outright instead of minimising it first.
    bool Snap = false;
    bool SwingForthAndBack = false;
    TTrayVisibilities Visibility{TTrayVisibility::tvVisibleTaskBar, TTrayVisibility::tvVisibleTaskList,
                                 TTrayVisibility::tvAutoHide};

    // The application leaves the taskbar for the tray, and comes back.
    virtual void HideToTray();
    virtual void RestoreFromTray();

    // Events; exceptions they throw go to the error box.
    std::function<void()> OnAnimate;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(TShiftState, POINT)> OnMouseMove;
    std::function<void(TMouseButton, TShiftState, POINT)> OnMouseDown;
    std::function<void(TMouseButton, TShiftState, POINT)> OnMouseUp;
    std::function<void()> OnBalloonShow;
    std::function<void()> OnBalloonHide;
    std::function<void()> OnBalloonClick;
    // Set handled to keep PopupMenu closed.
    std::function<void(POINT, bool& handled)> OnContextPopup;

    // The state behind the notification area, for the window and tests.
    bool IconShown() const { return shown_; }
    bool AnimationRunning() const { return animating_; }
    HICON CurrentPicture() const { return picture_.get(); }
    HWND WindowHandle() const { return window_.Handle(); }

private:
    enum TimerId : UINT_PTR { kAnimationTimer = 1, kClickTimer = 3 };

    std::optional<LRESULT> HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    void TaskbarCreated();
    void HandleTimer(UINT_PTR id);

    void FillRecord();
    void CopyTip();
    void SelectPicture();
    void MakeCurrent(ui::IconHandle picture);
    bool Request(TrayRequest request, UINT flags);
    void AddToTray();
    void RemoveFromTray();
    void StartAnimation();
    void StopAnimation();
    void AnimationStep();

    // The owner window standing for the application.
    bool ApplicationVisible() const;
    void InstallHook();
    void RemoveHook();
    static LRESULT CALLBACK HookProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void AnimateCaption(HWND window, bool towardsTray) const;

    // Mouse events from the shell (TrayIconMouse.cpp).
    void HandleCallback(UINT mouseMessage);
    void ButtonDown(TMouseButton button, TShiftState shift, POINT at);
    void ButtonUp(TMouseButton button, TShiftState shift, POINT at);
    void DoubleClick(TMouseButton button);
    void Click(TMouseButton button, POINT at);
    void FireHeldClick();
    void DropHeldClick();
    void ContextPopup(POINT at);
    void MouseMove(TShiftState shift, POINT at);
    bool WantsClick(TMouseButton button) const;
    bool WantsDoubleClick() const;

    // First, so it goes last: the icon leaves the tray while it exists.
    TrayUtilityWindow window_;
    ui::Form& owner_;
    std::unique_ptr<TrayShell> shell_;
    NOTIFYICONDATAW record_{};

    bool active_ = false;
    bool animated_ = false;
    ui::IconHandle icon_;
    ui::IconHandle picture_;
    int iconIndex_ = 0;
    ui::ImageList* icons_ = nullptr;
    std::wstring hint_;
    unsigned delay_ = 100;

    bool shown_ = false;
    bool animating_ = false;
    bool hooked_ = false;
    bool hintChanged_ = false;
    TTrayFrameCycle cycle_;

    bool pressed_ = false;
    bool clickHeld_ = false;
    TMouseButton heldButton_ = TMouseButton::mbLeft;
    POINT heldAt_{};
};

} // namespace controls
