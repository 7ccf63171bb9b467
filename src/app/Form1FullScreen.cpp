// Full screen: the whole screen for the movie view, and back.
#include "app/Form1.h"

#include <string>

namespace app {

void TForm1::EscFullExecute() {
    if (EscFull.Checked())
        EnterFullScreen();
    else
        LeaveFullScreen();
}

void TForm1::EscapeFullscreenExecute() {
    if (EscFull.Checked())
        EscFull.Execute();
}

void TForm1::SaveShowLibraryExecute() { SaveShowLibrary.SetChecked(true); }

void TForm1::EnterFullScreen() {
    SaveShowLibrary.SetChecked(false);
    Edit3.SetText(std::to_wstring(Height()));
    Edit4.SetText(std::to_wstring(Left()));
    Edit5.SetText(std::to_wstring(Top()));
    Edit6.SetText(std::to_wstring(Width()));
    if (ShowLibruary.Checked())
        SaveShowLibrary.Execute();
    if (ShowLibruary.Checked())
        Button3.Click();
    ToolBar1.Hide();
    SetMenu(&MainMenu2);
    Panel2.Hide();
    SetBorderStyle(ui::BorderStyle::None);
    SetWindowState(ui::WindowState::Maximized);
    SetColor(ui::clBlack);
}

void TForm1::LeaveFullScreen() {
    SetColor(ui::clBtnFace);
    SetBorderStyle(ui::BorderStyle::Sizeable);
    SetWindowState(ui::WindowState::Normal);
    SetHeight(std::stoi(Edit3.Text()));
    SetLeft(std::stoi(Edit4.Text()));
    SetTop(std::stoi(Edit5.Text()));
    SetWidth(std::stoi(Edit6.Text()));
    ToolBar1.Show();
    SetMenu(ClassicMenu.Checked() ? &MainMenu1 : &MainMenu2);
    Panel2.Show();
    if (SaveShowLibrary.Checked())
        Button4.Click();
}

} // namespace app
