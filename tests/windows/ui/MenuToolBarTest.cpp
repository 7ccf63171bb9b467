#include "TestWindows.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include "ui/ToolBar.h"

#include <gtest/gtest.h>

namespace {

using testing_support::PumpMessagesFor;

// A window with one auto-check command shown in a menu bar, a popup menu
// and a toolbar, as the main window shows its commands.
struct CommandWindow {
    ui::Form Form;
    ui::ActionList Actions;
    ui::Action& Full = Actions.Add(L"EscFull");
    ui::Menu Bar{ui::Menu::Kind::Bar};
    ui::Menu Popup{ui::Menu::Kind::Popup};
    ui::ToolBar& Tools = Form.Add<ui::ToolBar>();
    int Runs = 0;

    CommandWindow() {
        Full.Caption = L"Во весь экран";
        Full.Shortcut = VK_F11;
        Full.AutoCheck = true;
        Full.OnExecute = [this] { ++Runs; };
        ui::MenuItem& view = Bar.Add(L"View");
        view.SetCaption(L"Вид");
        view.Add(L"N14").SetAction(&Full);
        Popup.Add(L"N21").SetAction(&Full);
        Tools.SetBounds({0, 0, 300, 48});
        Tools.AddButton(L"ToolButton2").SetAction(&Full);
        Form.SetBounds({20, 20, 400, 300});
        Form.SetMenu(&Bar);
        Form.Actions = &Actions;
        Form.ShowMain();
        ui::App().SetMainForm(&Form);
    }
    ~CommandWindow() { ui::App().SetMainForm(nullptr); }

    UINT MenuState(HMENU menu, UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND); }
    bool BarChecked() { return MenuState(Bar.Handle(), Bar.Find(L"N14")->Id()) & MF_CHECKED; }
    bool PopupChecked() { return MenuState(Popup.Handle(), Popup.Find(L"N21")->Id()) & MF_CHECKED; }
    bool ButtonPressed() {
        return SendMessageW(Tools.Handle(), TB_ISBUTTONCHECKED, Tools.Find(L"ToolButton2")->Id(), 0) != 0;
    }
};

TEST(Commands, EveryViewFollowsTheCommandWhicheverViewRunsIt) {
    CommandWindow w;
    EXPECT_FALSE(w.BarChecked());
    // From the menu bar.
    SendMessageW(w.Form.Handle(), WM_COMMAND, w.Bar.Find(L"N14")->Id(), 0);
    EXPECT_EQ(w.Runs, 1);
    EXPECT_TRUE(w.Full.Checked());
    EXPECT_TRUE(w.BarChecked());
    EXPECT_TRUE(w.PopupChecked());
    EXPECT_TRUE(w.ButtonPressed());
    // From the toolbar button.
    SendMessageW(w.Form.Handle(), WM_COMMAND, w.Tools.Find(L"ToolButton2")->Id(),
                 reinterpret_cast<LPARAM>(w.Tools.Handle()));
    EXPECT_EQ(w.Runs, 2);
    EXPECT_FALSE(w.Full.Checked());
    EXPECT_FALSE(w.BarChecked());
    EXPECT_FALSE(w.ButtonPressed());
    // From its shortcut, through the message loop.
    SetForegroundWindow(w.Form.Handle());
    SetActiveWindow(w.Form.Handle());
    PostMessageW(w.Form.Handle(), WM_KEYDOWN, VK_F11, 0);
    PumpMessagesFor(50);
    EXPECT_EQ(w.Runs, 3);
    EXPECT_TRUE(w.PopupChecked());
}

TEST(Commands, AnEntrysOwnMarkStaysUntilTheCommandAgrees) {
    CommandWindow w;
    ui::MenuItem& item = *w.Popup.Find(L"N21");
    item.SetChecked(true); // differs from the command
    EXPECT_TRUE(w.PopupChecked());
    EXPECT_FALSE(w.BarChecked());
    w.Full.SetChecked(true);
    w.Full.SetChecked(false);
    EXPECT_FALSE(w.PopupChecked());
}

TEST(Commands, MenuTextShowsTheShortcutAndHiddenEntriesLeaveTheMenu) {
    CommandWindow w;
    EXPECT_EQ(w.Bar.Find(L"N14")->Text(), L"Во весь экран\tF11");
    ui::MenuItem& own = w.Popup.Add(L"N4");
    own.SetCaption(L"Открыть...      ");
    EXPECT_EQ(own.Text(), L"Открыть...      ");
    EXPECT_EQ(GetMenuItemCount(w.Popup.Handle()), 2);
    own.SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(w.Popup.Handle()), 1);
    w.Tools.Find(L"ToolButton2")->SetVisible(false);
    EXPECT_EQ(w.Tools.ShownButtonCount(), 0);
}

TEST(Commands, ShortcutsWorkWithoutAMenuBarAndSkipDisabledCommands) {
    CommandWindow w;
    ui::Menu none{ui::Menu::Kind::Bar};
    w.Form.SetMenu(&none);
    EXPECT_EQ(GetMenu(w.Form.Handle()), nullptr);
    SetActiveWindow(w.Form.Handle());
    MSG key{w.Form.Handle(), WM_KEYDOWN, VK_F11, 0, 0, {}};
    EXPECT_TRUE(w.Form.HandleShortCut(key));
    EXPECT_EQ(w.Runs, 1);
    w.Full.SetEnabled(false);
    EXPECT_FALSE(w.Form.HandleShortCut(key));
    MSG other{w.Form.Handle(), WM_KEYDOWN, VK_F10, 0, 0, {}};
    w.Full.SetEnabled(true);
    EXPECT_FALSE(w.Form.HandleShortCut(other));
    EXPECT_EQ(w.Runs, 1);
}

} // namespace
