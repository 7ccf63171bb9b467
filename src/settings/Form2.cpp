#include "settings/Form2.h"

#include "playback/BackgroundColors.h"
#include "resources/WindowPictures.h"
#include "settings/Form2Description.h"
#include "settings/SettingsFile.h"
#include "ui/Application.h"
#include "ui/Label.h"

#include <stdexcept>

namespace settings {
namespace {

const ui::FontSpec WindowFont{L"MS Reference Sans Serif", 11, false, RUSSIAN_CHARSET, ui::clWindowText};

enum Page { GeneralPage = 0, ViewPage = 1 };

// The boxes that mirror a main-window command, in the order showing loads
// them (CheckBox5 has a handler of its own).
struct Binding {
    const wchar_t* Box;
    const wchar_t* Action;
};
constexpr Binding Bindings[] = {
    {L"CheckBox4", L"Regist"},        {L"CheckBox5", L"CheckBox5"}, {L"CheckBox6", L"TrayIcon"},
    {L"CheckBox7", L"TrayAnimation"}, {L"CheckBox8", L"Intro"},     {L"CheckBox3", L"OnTop"},
    {L"CheckBox9", L"FormState"},
};

} // namespace

ui::WindowBuilder TForm2::BuildControls(TForm2& form) {
    ui::WindowBuilder builder;
    builder.Build(form, Form2Description());
    return builder;
}

TForm2::TForm2(TForm2Link link)
    : builder_(BuildControls(*this)), TreeView1(builder_.Get<TPageTree>(L"TreeView1")),
      PageControl1(builder_.Get<ui::PageControl>(L"PageControl1")),
      CheckBox4(builder_.Get<ui::CheckBox>(L"CheckBox4")),
      CheckBox9(builder_.Get<ui::CheckBox>(L"CheckBox9")),
      CheckBox5(builder_.Get<ui::CheckBox>(L"CheckBox5")),
      CheckBox2(builder_.Get<ui::CheckBox>(L"CheckBox2")),
      CheckBox1(builder_.Get<ui::CheckBox>(L"CheckBox1")),
      CheckBox6(builder_.Get<ui::CheckBox>(L"CheckBox6")),
      CheckBox7(builder_.Get<ui::CheckBox>(L"CheckBox7")),
      CheckBox8(builder_.Get<ui::CheckBox>(L"CheckBox8")),
      CheckBox3(builder_.Get<ui::CheckBox>(L"CheckBox3")), Shape1(builder_.Get<ui::Shape>(L"Shape1")),
      Button4(builder_.Get<ui::Button>(L"Button4")), Panel2(builder_.Get<ui::Panel>(L"Panel2")),
      ColorPicker2(builder_.Get<controls::TColorPicker>(L"ColorPicker2")),
      Button1(builder_.Get<ui::Button>(L"Button1")), Button2(builder_.Get<ui::Button>(L"Button2")),
      Button3(builder_.Get<ui::Button>(L"Button3")), link_(std::move(link)) {
    SetDesignProperties();
    LoadPictures();
    BindEvents();
    Handle();
    FillTree();
}

void TForm2::SetDesignProperties() {
    SetCaption(L"Настройки");
    SetFont(WindowFont);
    SetColor(ui::clBtnFace);
    SetBorderStyle(ui::BorderStyle::Dialog);
    Owner = &link_.MainWindow;
    HideOnClose = true;
    SetClientSize(Form2ClientWidth, Form2ClientHeight);
}

void TForm2::LoadPictures() {
    // Without its pictures the dialog still works; the box says why.
    ui::App().Guard([this] {
        builder_.Get<ui::Image>(L"Banner1").SetPicture(resources::LoadJpegPicture(resources::GeneralBanner));
        builder_.Get<ui::Image>(L"Banner2").SetPicture(resources::LoadJpegPicture(resources::ViewBanner));
        builder_.Get<ui::Image>(L"Icon1").SetIcon(resources::LoadIconPicture(resources::GeneralPageIcon, 32));
        builder_.Get<ui::Image>(L"Icon2").SetIcon(resources::LoadIconPicture(resources::ViewPageIcon, 32));
    });
}

void TForm2::BindEvents() {
    for (const Binding& binding : Bindings) {
        ui::Action& action = MainAction(binding.Action);
        auto& box = builder_.Get<ui::CheckBox>(binding.Box);
        box.OnClick = [&action, &box] { action.SetChecked(box.Checked()); };
    }
    CheckBox5.OnClick = [this] { CheckBox5Click(); };
    TreeView1.OnChange = [this] { TreeView1Change(); };
    Button4.OnClick = [this] { Button4Click(); };
    ColorPicker2.OnChange = [this] { ColorPicker2Change(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button3.OnClick = [this] { Button3Click(); };
    OnShow = [this] {
        PlaceFirstTime();
        FormShow();
    };
}

void TForm2::FillTree() {
    TreeView1.Insert(nullptr, TVI_LAST, {L"Общие настройки", 0, 0, false, GeneralPage});
    TreeView1.Insert(nullptr, TVI_LAST, {L"Вид", 0, 0, false, ViewPage});
}

ui::Action& TForm2::MainAction(const wchar_t* name) const {
    ui::Action* action = link_.Actions.Find(name);
    if (!action)
        throw std::logic_error("the main window lacks a command the settings dialog uses");
    return *action;
}

void TForm2::ExecuteMain(std::initializer_list<const wchar_t*> names) const {
    for (const wchar_t* name : names)
        MainAction(name).Execute();
}

void TForm2::PlaceFirstTime() {
    if (placed_)
        return;
    placed_ = true;
    CentreOver(link_.MainWindow);
}

void TForm2::FormShow() {
    Shape1.SetBrushColor(playback::BackgroundToColor(static_cast<uint32_t>(link_.Player.BackgroundColor())));
    // Each box's handler runs when its state changes, which sets its
    // command to the state it already has.
    for (const Binding& binding : Bindings)
        builder_.Get<ui::CheckBox>(binding.Box).SetChecked(MainAction(binding.Action).Checked());
    CheckBox5Click(); // the start boxes follow even when CheckBox5 did not change
}

void TForm2::TreeView1Change() { PageControl1.SetActivePageIndex(TreeView1.SelectedPage()); }

void TForm2::CheckBox5Click() {
    MainAction(L"CheckBox5").SetChecked(CheckBox5.Checked());
    CheckBox1.SetEnabled(!CheckBox5.Checked());
    CheckBox2.SetEnabled(!CheckBox5.Checked());
}

void TForm2::Button4Click() {
    Panel2.SetVisible(!Panel2.Visible());
    // Over the boxes and groups it covers.
    if (Panel2.Visible())
        SetWindowPos(Panel2.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm2::ColorPicker2Change() {
    Shape1.SetBrushColor(ColorPicker2.SelectedColor());
    Panel2.Hide();
}

void TForm2::WriteSettings() {
    TSettingsRecord record = link_.MainSettings();
    record.ProgramMode = CheckBox5.Checked();
    // "Programm" mode starts with both panels shown; the main window's own
    // writer, which runs last at every close, stores their real state.
    record.ShowDir = record.ProgramMode || CheckBox2.Checked();
    record.ShowLibruary = record.ProgramMode || CheckBox1.Checked();
    record.Regist = CheckBox4.Checked();
    record.TrayIcon = CheckBox6.Checked();
    record.TrayAnimation = CheckBox7.Checked();
    record.Intro = CheckBox8.Checked();
    record.StayOnTop = CheckBox3.Checked();
    record.FormState = CheckBox9.Checked();
    WriteSettingsFile(link_.SettingsFile, record);
}

// The picker's colour after the file is written, so the file holds the
// colour from before (the main window's writer stores the new one at
// close). No pick yet: the player keeps its colour, as on the main panel.
void TForm2::ApplyColour() {
    ui::TColor color = ColorPicker2.SelectedColor();
    if (color != ui::clNone)
        link_.Player.SetBackgroundColor(static_cast<int>(playback::ColorToBackground(color)));
}

void TForm2::Button1Click() {
    WriteSettings();
    Close();
    ExecuteMain({L"OnTop", L"TrayIcon", L"Intro", L"TrayAnimation"});
    ApplyColour();
    ExecuteMain({L"FormState"});
    Panel2.Hide();
}

void TForm2::Button2Click() {
    WriteSettings();
    ExecuteMain({L"TrayIcon", L"Intro", L"TrayAnimation"});
    ApplyColour();
    ExecuteMain({L"FormState"});
}

} // namespace settings
