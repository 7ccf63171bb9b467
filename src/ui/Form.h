#pragma once

#include "ui/Action.h"
#include "ui/Menu.h"
#include "ui/WinControl.h"

#include <commctrl.h>

#include <functional>
#include <optional>

namespace ui {

enum class BorderStyle { Sizeable, Single, Dialog, None };
enum class WindowState { Normal, Minimized, Maximized };

// A top-level window. Its bounds are the whole window's, in screen pixels.
class Form : public WinControl {
public:
    Form();
    ~Form() override;

    const std::wstring& Caption() const { return Text(); }
    void SetCaption(std::wstring caption) { SetText(std::move(caption)); }

    ui::BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(ui::BorderStyle style);
    ui::WindowState GetWindowState() const;
    void SetWindowState(ui::WindowState state);
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool onTop);

    // Sets the window size from the client size wanted.
    void SetClientSize(int width, int height);

    // The smallest window, as measured with the frame the window was
    // designed with (DesignFrame); the client minimum it implies holds
    // whatever frame this system draws.
    SIZE MinimumSize{0, 0};
    SIZE DesignFrame{8, 46};
    bool CentreOnFirstShow = false;

    // The menu bar; null for none.
    Menu* GetMenu() const { return menu_; }
    void SetMenu(Menu* menu);
    // The commands whose shortcuts work while this window is active.
    ActionList* Actions = nullptr;
    // Runs the command a key press is the shortcut of; false when the key is
    // not one, or the focused control keeps it.
    bool HandleShortCut(const MSG& msg);
    SIZE ClientSize() const override;

    // Handlers; exceptions they throw go to the error box.
    std::function<void()> OnShow;
    std::function<void()> OnClose;

    // The message loop's entry: shows the window as the process was asked
    // to (normal, maximised or minimised), then centres it the first time.
    void ShowMain();
    void Close();

    // The window this one belongs to: it stays above it, and a modal
    // showing disables it. Set before the window is created.
    Form* Owner = nullptr;
    // Shows the window and runs messages until it is closed; the owner
    // takes no input meanwhile. Closing hides the window and keeps it.
    void ShowModal();
    bool Modal() const { return modal_; }
    // Places the window in the middle of another.
    void CentreOver(const Form& other);
    // Closing only hides the window (a dialog that lives for the whole run).
    bool HideOnClose = false;

    // Tool tips for this window's controls.
    void AddToolTip(HWND control, const std::wstring& text);

protected:
    CreateParams GetCreateParams() const override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void HandleCreated() override;
    void BoundsChanged() override;
    HWND ParentWindowFor() override { return Owner ? Owner->Handle() : nullptr; }

private:
    void SyncBoundsFromWindow();
    void CentreOnDesktop();
    void ApplyMinimum(MINMAXINFO& info) const;
    RECT FrameFor(RECT client) const;

    ui::BorderStyle borderStyle_ = ui::BorderStyle::Sizeable;
    bool stayOnTop_ = false;
    bool shown_ = false;
    bool centred_ = false;
    bool syncing_ = false;
    bool modal_ = false;
    Menu* menu_ = nullptr;
    HWND toolTips_ = nullptr;
};

} // namespace ui
