#include "app/ViewPopup.h"
#include "MainWindowUnderTest.h"

#include <gtest/gtest.h>

namespace {

using testing_support::MainWindowUnderTest;
using testing_support::PumpMessagesFor;

// Presses and releases a mouse button at a screen point, as the user would.
void Click(POINT at, DWORD down, DWORD up) {
    SetCursorPos(at.x, at.y);
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = down;
    input[1].mi.dwFlags = up;
    SendInput(2, input, sizeof(INPUT));
    PumpMessagesFor(150);
}

POINT CentreOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

// Which menus opened, each closed again at once.
struct MenuWatch {
    std::vector<ui::Menu*> Opened;
    void Watch(ui::Menu& menu) {
        menu.OnPopup = [this, &menu] {
            Opened.push_back(&menu);
            SetTimer(nullptr, 0, 50, CloseMenu);
        };
    }
};

TEST(ViewPopup, ARightClickOverTheMovieOpensTheViewMenuElsewhereTheWindowMenu) {
    app::InstallViewPopupHook();
    MainWindowUnderTest w;
    auto& f = w.Form;
    SetForegroundWindow(f.Handle());
    MenuWatch watch;
    watch.Watch(f.PopupMenu1);
    watch.Watch(f.PopupMenu2);

    Click(CentreOf(f.ShockwaveFlash1.Handle()), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    ASSERT_EQ(watch.Opened.size(), 1u);
    EXPECT_EQ(watch.Opened[0], &f.PopupMenu1);
    EXPECT_EQ(f.PopupMenu1.PopupComponent, &f.ShockwaveFlash1);

    Click(CentreOf(f.FileListBox1.Handle()), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    ASSERT_EQ(watch.Opened.size(), 2u);
    EXPECT_EQ(watch.Opened[1], &f.PopupMenu2);

    // The left button over the movie is untouched: no menu.
    Click(CentreOf(f.ShockwaveFlash1.Handle()), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(watch.Opened.size(), 2u);
}

} // namespace
