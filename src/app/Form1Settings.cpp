// The settings file read at start and written at close, the settings
// dialog, the .swf association and the About box.
#include "app/Form1.h"

#include "settings/AboutForm.h"
#include "ui/Application.h"
#include "ui/Text.h"

namespace app {

void TForm1::ReadSettings() {
    std::optional<std::string> bytes = settings::ReadSettingsFile(SettingsFile());
    // No file (a first start, or the user deleted it): the design state
    // stays, and the first close writes the file.
    if (bytes)
        ApplySettings(settings::ParseSettings(*bytes));
}

void TForm1::ApplySettings(const settings::TReadSettings& read) {
    const settings::TSettingsRecord& stored = read.Values;
    ShellTree1.SetSelectedPath(ui::Widen(stored.Folder, CP_ACP));
    Command(ActionList1, L"CheckBox5").SetChecked(stored.ProgramMode);
    ShowDir.SetChecked(stored.ShowDir);
    ShellTree1.SetVisible(stored.ShowDir);
    ShowLibruary.SetChecked(stored.ShowLibruary);
    (stored.ShowLibruary ? Button4 : Button3).Click();
    SetMenu(stored.MainMenu ? &MainMenu1 : &MainMenu2);
    // A bad colour line is reported and costs only the colour: the options
    // after it are still read, so the next close does not overwrite them.
    if (read.BackgroundValid)
        ShockwaveFlash1.SetBackgroundColor(stored.Background);
    else
        ui::App().ShowError(L"'" + ui::Widen(read.BackgroundLine, CP_ACP) +
                            L"' is not a valid integer value");
    Command(ActionList1, L"Regist").SetChecked(stored.Regist);
    TrayIcon.SetChecked(stored.TrayIcon);
    TrayIcon.Execute();
    TrayAnimation.SetChecked(stored.TrayAnimation);
    Intro.SetChecked(stored.Intro);
    OnTop.SetChecked(stored.StayOnTop);
    Command(ActionList1, L"FormState").SetChecked(stored.FormState);
}

settings::TSettingsRecord TForm1::StoredSettings() const {
    settings::TSettingsRecord record;
    record.Folder = ui::Narrow(ShellTree1.SelectedPath(), CP_ACP);
    record.ProgramMode = Command(ActionList1, L"CheckBox5").Checked();
    // "User" mode starts as the dialog's start boxes say; "Programm" mode
    // as the panels are now.
    record.ShowDir = record.ProgramMode ? ShowDir.Checked() : Form2->CheckBox2.Checked();
    record.ShowLibruary = record.ProgramMode ? ShowLibruary.Checked() : Form2->CheckBox1.Checked();
    record.MainMenu = GetMenu() == &MainMenu1;
    record.Background = ShockwaveFlash1.BackgroundColor();
    record.Regist = Command(ActionList1, L"Regist").Checked();
    record.TrayIcon = TrayIcon.Checked();
    record.TrayAnimation = TrayAnimation.Checked();
    record.Intro = Intro.Checked();
    record.StayOnTop = OnTop.Checked();
    record.FormState = Command(ActionList1, L"FormState").Checked();
    return record;
}

void TForm1::WriteSettings() { settings::WriteSettingsFile(SettingsFile(), StoredSettings()); }

void TForm1::CreateSettingsDialog() {
    Form2 = std::make_unique<settings::TForm2>(settings::TForm2Link{
        *this, ActionList1, ShockwaveFlash1, [this] { return StoredSettings(); }, SettingsFile()});
}

void TForm1::RegistExecute() {
    ui::Action& regist = Command(ActionList1, L"Regist");
    try {
        settings::RegisterSwfFiles(*registry_, programFile_);
    } catch (...) {
        // The choice flipped the mark; a failed registration puts it back.
        regist.SetChecked(!regist.Checked());
        throw;
    }
    regist.SetChecked(true);
}

void TForm1::ToolsExecute() {
    Form2->SetStayOnTop(false);
    Form2->ShowModal();
}

void TForm1::AboutExecute() {
    settings::TAboutForm about(*this);
    about.ShowModal();
}

LRESULT TForm1::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // Log-off and shutdown end the process without closing the window: the
    // close steps run here, so the options are saved and the volume reset.
    if (msg == WM_ENDSESSION && wp) {
        ui::App().Guard([this] { FormClose(); });
        return 0;
    }
    return Form::HandleMessage(msg, wp, lp);
}

} // namespace app
