// The settings dialog against the main window: its boxes' bindings, its
// pages, the colour steps and the orders of OK, Apply and Cancel.
#include "MainWindowWithSettings.h"
#include "playback/ApplicationFolder.h"

namespace {

using testing_support::MainWindowWithSettings;
using testing_support::PumpMessagesFor;
using testing_support::ShippedSettings;

constexpr ui::TColor Rose = 0x00CC99FF;

class SettingsDialog : public MainWindowWithSettings {
protected:
    settings::TForm2* dialog = nullptr;

    // Shown without its modal loop, so that the test can drive it.
    void Open(std::optional<std::string> file = ShippedSettings) {
        Start(std::move(file));
        dialog = form->Form2.get();
        ShowWindow(dialog->Handle(), SW_SHOW);
        PumpMessagesFor(50);
    }
    bool DialogShown() const { return IsWindowVisible(dialog->Handle()); }
    void Pick(ui::TColor colour) {
        dialog->ColorPicker2.SetSelectedColor(colour);
        dialog->ColorPicker2.OnChange();
    }
};

TEST_F(SettingsDialog, ShowingLoadsTheBoxesFromTheCommandsAndClicksOnlyMarkThem) {
    Start(ShippedSettings);
    dialog = form->Form2.get();
    Command(L"Regist").SetChecked(true);
    form->OnTop.SetChecked(true);
    form->TrayAnimation.SetChecked(false);
    form->ShockwaveFlash1.SetBackgroundColor(0x00FF0000);
    ShowWindow(dialog->Handle(), SW_SHOW);
    EXPECT_TRUE(dialog->CheckBox4.Checked() && dialog->CheckBox3.Checked() && dialog->CheckBox6.Checked());
    EXPECT_FALSE(dialog->CheckBox7.Checked() || dialog->CheckBox5.Checked() || dialog->CheckBox9.Checked());
    EXPECT_EQ(dialog->Shape1.BrushColor(), 0x000000FFu); // red, through the colour table

    // A box marks its command at once, and nothing runs.
    dialog->CheckBox6.SetChecked(false);
    EXPECT_FALSE(form->TrayIcon.Checked());
    EXPECT_TRUE(TrayIconShown());
    dialog->Button3.Click();
    EXPECT_FALSE(DialogShown());
    EXPECT_TRUE(TrayIconShown());
    EXPECT_FALSE(form->TrayIcon.Checked()); // Cancel reverts nothing
}

TEST_F(SettingsDialog, ProgramModeDisablesTheStartBoxes) {
    Open();
    dialog->CheckBox5.SetChecked(true);
    EXPECT_TRUE(Command(L"CheckBox5").Checked());
    EXPECT_FALSE(dialog->CheckBox1.Enabled() || dialog->CheckBox2.Enabled());
    dialog->CheckBox5.SetChecked(false);
    EXPECT_FALSE(Command(L"CheckBox5").Checked());
    EXPECT_TRUE(dialog->CheckBox1.Enabled() && dialog->CheckBox2.Enabled());
}

TEST_F(SettingsDialog, TheTreeChoosesThePage) {
    Open();
    EXPECT_EQ(dialog->PageControl1.ActivePageIndex(), 0);
    HTREEITEM general = dialog->TreeView1.Root();
    HTREEITEM view = dialog->TreeView1.NextSibling(general);
    EXPECT_EQ(dialog->TreeView1.ItemText(view), L"Вид");
    dialog->TreeView1.Select(view);
    EXPECT_EQ(dialog->PageControl1.ActivePageIndex(), 1);
    EXPECT_TRUE(dialog->CheckBox8.Parent()->Visible());
    dialog->TreeView1.Select(general);
    EXPECT_EQ(dialog->PageControl1.ActivePageIndex(), 0);
    EXPECT_FALSE(dialog->CheckBox8.Parent()->Visible());
}

TEST_F(SettingsDialog, ColourStepsRoseThroughCancelAndOk) {
    Open();
    int before = form->ShockwaveFlash1.BackgroundColor();
    dialog->Button4.Click();
    EXPECT_TRUE(dialog->Panel2.Visible());
    dialog->Button4.Click();
    EXPECT_FALSE(dialog->Panel2.Visible());
    dialog->Button4.Click();
    Pick(Rose);
    EXPECT_EQ(dialog->Shape1.BrushColor(), Rose);
    EXPECT_FALSE(dialog->Panel2.Visible());
    dialog->Button3.Click();
    EXPECT_EQ(form->ShockwaveFlash1.BackgroundColor(), before);

    ShowWindow(dialog->Handle(), SW_SHOW);
    dialog->Button1.Click();
    EXPECT_EQ(form->ShockwaveFlash1.BackgroundColor(), 0x00FF99CC);
    // The file was written before the colour was given.
    EXPECT_EQ(folder.Line(6), std::to_string(before));
    // The swatch shows the new colour the next time; the picker kept its pick.
    ShowWindow(dialog->Handle(), SW_SHOW);
    EXPECT_EQ(dialog->Shape1.BrushColor(), Rose);
    EXPECT_EQ(dialog->ColorPicker2.SelectedColor(), Rose);
}

TEST_F(SettingsDialog, NothingPickedKeepsTheColour) {
    Open();
    form->ShockwaveFlash1.SetBackgroundColor(0x123456);
    dialog->Button2.Click();
    EXPECT_EQ(form->ShockwaveFlash1.BackgroundColor(), 0x123456);
}

TEST_F(SettingsDialog, ApplyKeepsTheWindowLevelAndOkAppliesIt) {
    Open();
    dialog->CheckBox3.SetChecked(true);
    dialog->CheckBox8.SetChecked(false);
    dialog->Button4.Click();
    dialog->Button2.Click();
    EXPECT_EQ(folder.Line(11), "StayOnTop");
    EXPECT_EQ(folder.Line(10), "NoIntro");
    EXPECT_FALSE(form->StayOnTop());
    EXPECT_EQ(form->ShockwaveFlash1.Movie(), L" "); // Intro ran: no intro now
    EXPECT_TRUE(DialogShown());
    EXPECT_TRUE(dialog->Panel2.Visible());

    dialog->CheckBox8.SetChecked(true);
    dialog->CheckBox6.SetChecked(false);
    dialog->Button1.Click();
    EXPECT_FALSE(DialogShown());
    EXPECT_TRUE(form->StayOnTop());
    EXPECT_FALSE(TrayIconShown());
    EXPECT_EQ(form->ShockwaveFlash1.Movie(), playback::IntroMoviePath());
    EXPECT_FALSE(dialog->Panel2.Visible());
    EXPECT_EQ(folder.Line(8), "NoTrayIcon");
}

TEST_F(SettingsDialog, TheDialogsWriterStartsBothPanelsInProgramMode) {
    Open();
    dialog->CheckBox1.SetChecked(false);
    dialog->Button2.Click();
    EXPECT_EQ(folder.Line(4), "NoShowLibruary");
    dialog->CheckBox5.SetChecked(true);
    form->ShowLibruary.Execute(); // the panel hidden
    dialog->Button2.Click();
    EXPECT_EQ(folder.Line(2), "Programm");
    EXPECT_EQ(folder.Line(4), "StartShowLibruary");
}

TEST_F(SettingsDialog, AFailedWriteLeavesTheDialogOpenAndChangesNothing) {
    Open();
    MakeFileReadOnly();
    dialog->CheckBox6.SetChecked(false);
    Pick(Rose);
    SendMessageW(dialog->Button1.Handle(), BM_CLICK, 0, 0); // a real click: failures go to the box
    EXPECT_EQ(Errors(), std::vector<std::wstring>{L"File access denied."});
    EXPECT_TRUE(DialogShown());
    EXPECT_TRUE(TrayIconShown());
    EXPECT_EQ(form->ShockwaveFlash1.BackgroundColor(), -1);
}

settings::TForm2* modalDialog = nullptr;
bool wasModal = false;

void CALLBACK UntickAndCancel(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    wasModal = modalDialog->Modal() && !IsWindowEnabled(modalDialog->Owner->Handle());
    modalDialog->CheckBox1.SetChecked(false);
    modalDialog->Button3.Click();
}

TEST_F(SettingsDialog, TheSettingsCommandShowsItModallyAndItKeepsItsState) {
    Start(ShippedSettings);
    modalDialog = form->Form2.get();
    SetTimer(nullptr, 0, 100, UntickAndCancel);
    Command(L"Tools").Execute();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(IsWindowVisible(modalDialog->Handle()));
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
    ShowWindow(modalDialog->Handle(), SW_SHOW);
    EXPECT_FALSE(modalDialog->CheckBox1.Checked());
}

} // namespace
