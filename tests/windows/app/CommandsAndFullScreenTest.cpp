#include "MainWindowUnderTest.h"

#include <gtest/gtest.h>

namespace {

using testing_support::MainWindowUnderTest;

bool Marked(ui::Menu& menu, const wchar_t* entry) {
    return GetMenuState(menu.Handle(), menu.Find(entry)->Id(), MF_BYCOMMAND) & MF_CHECKED;
}

TEST(MainWindowCommands, MenusAndToolbarShowTheCommandsAsDesigned) {
    MainWindowUnderTest w;
    auto& f = w.Form;
    EXPECT_EQ(GetMenu(f.Handle()), f.MainMenu1.Handle());
    EXPECT_EQ(GetMenuItemCount(f.MainMenu1.Handle()), 5);
    EXPECT_EQ(f.MainMenu1.Find(L"N4")->Text(), L"Открыть...      \tCtrl+O");
    EXPECT_EQ(f.MainMenu1.Find(L"N6")->Text(), L"Закрыть\tCtrl+W");
    EXPECT_EQ(f.MainMenu1.Find(L"N14")->Text(), L"Во весь экран\tF11");
    // "Настройки" stays hidden: "Сервис" shows three entries.
    EXPECT_EQ(GetMenuItemCount(f.MainMenu1.Find(L"N10")->SubmenuHandle()), 3);
    EXPECT_EQ(GetMenuItemCount(f.PopupMenu2.Handle()), 9);
    EXPECT_EQ(GetMenuItemCount(f.PopupMenu1.Handle()), 5);
    EXPECT_EQ(f.ToolBar1.ShownButtonCount(), 7);
    EXPECT_EQ(f.ShockwaveFlash1.PopupMenu, &f.PopupMenu1);
    EXPECT_EQ(f.FileListBox1.PopupMenu, &f.PopupMenu2);
}

TEST(MainWindowCommands, QualityMarksFollowTheLastChoiceInBothSubmenus) {
    MainWindowUnderTest w;
    auto& f = w.Form;
    EXPECT_TRUE(Marked(f.MainMenu1, L"N18"));
    EXPECT_TRUE(Marked(f.PopupMenu1, L"N23"));
    f.K3.Execute();
    EXPECT_FALSE(Marked(f.MainMenu1, L"N18"));
    EXPECT_FALSE(Marked(f.PopupMenu1, L"N23"));
    EXPECT_TRUE(Marked(f.MainMenu1, L"N35"));
    EXPECT_TRUE(Marked(f.PopupMenu1, L"N30"));
    f.K1.Execute();
    EXPECT_TRUE(Marked(f.MainMenu1, L"N18"));
    EXPECT_FALSE(Marked(f.PopupMenu1, L"N30"));
}

TEST(MainWindowCommands, TheMenuButtonFlipsTheMenuBarShown) {
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.ToolButton6Click();
    EXPECT_EQ(GetMenu(f.Handle()), nullptr);
    EXPECT_FALSE(f.ClassicMenu.Checked());
    // Shortcuts still work without the bar: Esc is harmless in a normal window.
    SetActiveWindow(f.Handle());
    MSG esc{f.Handle(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(f.HandleShortCut(esc));
    EXPECT_FALSE(f.EscFull.Checked());
    f.ToolButton6Click();
    EXPECT_EQ(GetMenu(f.Handle()), f.MainMenu1.Handle());
}

TEST(MainWindowCommands, TheColourPanelOpensAndAppliesAtOnce) {
    MainWindowUnderTest w;
    auto& f = w.Form;
    ui::ActionList& list = f.ActionList1;
    list.Find(L"FonColor")->Execute();
    EXPECT_TRUE(f.Panel4.Visible());
    EXPECT_TRUE(f.ToolBar1.Find(L"ToolButton3")->Down());
    f.ColorPicker1.SetSelectedColor(0x000000FF); // red, 0x00BBGGRR
    EXPECT_EQ(f.ShockwaveFlash1.BackgroundColor(), 0xFF0000);
    f.Button2.Click();
    EXPECT_FALSE(f.Panel4.Visible());
    EXPECT_FALSE(f.ToolBar1.Find(L"ToolButton3")->Down());
}

TEST(FullScreen, F11TwiceRestoresTheWindow) {
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.Button4.Click(); // the playlist panel shown, as the settings leave it
    ui::Bounds before = f.GetBounds();
    f.EscFull.Execute();
    EXPECT_TRUE(f.EscFull.Checked());
    EXPECT_EQ(f.GetBorderStyle(), ui::BorderStyle::None);
    EXPECT_EQ(f.GetWindowState(), ui::WindowState::Maximized);
    EXPECT_EQ(GetMenu(f.Handle()), nullptr);
    EXPECT_FALSE(f.ToolBar1.Visible());
    EXPECT_FALSE(f.Panel2.Visible());
    EXPECT_FALSE(f.Panel1.Visible());
    EXPECT_EQ(f.Color(), ui::clBlack);
    EXPECT_TRUE(f.SaveShowLibrary.Checked());

    f.EscapeFullscreen.Execute();
    EXPECT_FALSE(f.EscFull.Checked());
    EXPECT_EQ(f.GetBounds(), before);
    EXPECT_EQ(f.GetBorderStyle(), ui::BorderStyle::Sizeable);
    EXPECT_EQ(GetMenu(f.Handle()), f.MainMenu1.Handle());
    EXPECT_TRUE(f.ToolBar1.Visible());
    EXPECT_TRUE(f.Panel2.Visible());
    EXPECT_TRUE(f.Panel1.Visible());
    EXPECT_TRUE(f.ShowLibruary.Checked());
    EXPECT_EQ(f.Color(), ui::clBtnFace);
    f.EscapeFullscreen.Execute(); // Esc in a normal window does nothing
    EXPECT_FALSE(f.EscFull.Checked());
}

TEST(FullScreen, AHiddenPanelStaysHiddenAndAMaximisedWindowComesBackNormal) {
    MainWindowUnderTest w;
    auto& f = w.Form;
    f.Button3.Click(); // hide the playlist panel
    f.SetWindowState(ui::WindowState::Maximized);
    ui::Bounds maximised = f.GetBounds();
    f.EscFull.Execute();
    f.EscFull.Execute();
    EXPECT_FALSE(f.Panel1.Visible());
    EXPECT_FALSE(f.ShowLibruary.Checked());
    EXPECT_EQ(f.GetWindowState(), ui::WindowState::Normal);
    EXPECT_EQ(f.GetBounds(), maximised);
}

} // namespace
