#include "settings/Form2Description.h"

#include "controls/ColorPicker.h"
#include "settings/PageTree.h"
#include "ui/Bevel.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/FlatPanel.h"
#include "ui/GroupBox.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/PageControl.h"
#include "ui/Shape.h"

namespace settings {
namespace {

using ui::ControlDescription;
using ui::Make;

constexpr ui::TColor clWindow = 0xFF000000 | COLOR_WINDOW;
constexpr ui::TColor clGray = 0x808080;

const ui::FontSpec TreeFont{L"Segoe UI", 12, false, RUSSIAN_CHARSET, ui::clWindowText};
const ui::FontSpec TitleFont{L"MS Reference Sans Serif", 13, true, RUSSIAN_CHARSET, clGray};
const ui::FontSpec GroupFont{L"MS Reference Sans Serif", 11, false, RUSSIAN_CHARSET, ui::clNavy};
const ui::FontSpec BoxFont{L"MS Reference Sans Serif", 11, false, RUSSIAN_CHARSET, ui::clBlack};

void Page(ui::Control& c) { static_cast<ui::FlatPanel&>(c).BorderShadow = 0xCACACA; }
void Ticked(ui::Control& c) { static_cast<ui::CheckBox&>(c).SetChecked(true); }
void Swatch(ui::Control& c) { static_cast<ui::Shape&>(c).SetBrushColor(ui::clBlack); }
void Picker(ui::Control& c) {
    auto& picker = static_cast<controls::TColorPicker&>(c);
    picker.ShowColorHints = false;
    picker.SetBorderOuter(controls::TFrameStyleEx::fsLowered);
}

// A check box row inside a group: 17 pixels high, 20 apart.
constexpr ui::Bounds Row(int index) { return {16, 18 + 20 * index, 366, 17}; }

const ControlDescription Controls[] = {
    {.Name = L"TreeView1",
     .Make = Make<TPageTree>,
     .Place = {7, 7, 169, 289},
     .Color = clWindow,
     .Font = &TreeFont},
    {.Name = L"PageControl1", .Make = Make<ui::PageControl>, .Place = {180, 0, 401, 299}},
    {.Name = L"Bevel1", .Make = Make<ui::Bevel>, .Place = {7, 300, 572, 2}},
    {.Name = L"Button1", .Make = Make<ui::Button>, .Place = {344, 316, 75, 25}, .Text = L"ОК"},
    {.Name = L"Button2", .Make = Make<ui::Button>, .Place = {424, 316, 75, 25}, .Text = L"Применить"},
    {.Name = L"Button3", .Make = Make<ui::Button>, .Place = {504, 316, 75, 25}, .Text = L"Отмена"},

    // The general page.
    {.Name = L"TabSheet1",
     .Parent = L"PageControl1",
     .Make = Make<ui::FlatPanel>,
     .Place = {0, 0, 401, 299},
     .Color = clWindow,
     .Setup = Page},
    {.Name = L"Banner1", .Parent = L"TabSheet1", .Make = Make<ui::Image>, .Place = {0, 0, 401, 32}},
    {.Name = L"Icon1", .Parent = L"TabSheet1", .Make = Make<ui::Image>, .Place = {8, 38, 32, 32}},
    {.Name = L"Title1",
     .Parent = L"TabSheet1",
     .Make = Make<ui::Label>,
     .Place = {48, 47, 0, 0},
     .Text = L"Общие настройки программы",
     .Font = &TitleFont},
    {.Name = L"GroupBox1",
     .Parent = L"TabSheet1",
     .Make = Make<ui::GroupBox>,
     .Place = {8, 80, 385, 40},
     .Text = L"Ассоциации файлов ",
     .Font = &GroupFont},
    {.Name = L"CheckBox4",
     .Parent = L"GroupBox1",
     .Make = Make<ui::CheckBox>,
     .Place = Row(0),
     .Text = L"Зарегистрировать .swf-файлы за программой",
     .Font = &BoxFont},
    {.Name = L"GroupBox2",
     .Parent = L"TabSheet1",
     .Make = Make<ui::GroupBox>,
     .Place = {8, 128, 385, 100},
     .Text = L"Старт программы ",
     .Font = &GroupFont},
    {.Name = L"CheckBox9",
     .Parent = L"GroupBox2",
     .Make = Make<ui::CheckBox>,
     .Place = Row(0),
     .Text = L"Сохранять размеры и положение окна",
     .Font = &BoxFont},
    {.Name = L"CheckBox5",
     .Parent = L"GroupBox2",
     .Make = Make<ui::CheckBox>,
     .Place = Row(1),
     .Text = L"Стартовать с текущих настроек программы",
     .Font = &BoxFont},
    {.Name = L"CheckBox2",
     .Parent = L"GroupBox2",
     .Make = Make<ui::CheckBox>,
     .Place = Row(2),
     .Text = L"Показывать выбор директории при запуске программы",
     .Font = &BoxFont,
     .Setup = Ticked},
    {.Name = L"CheckBox1",
     .Parent = L"GroupBox2",
     .Make = Make<ui::CheckBox>,
     .Place = Row(3),
     .Text = L"Показывать список воспроизведения при запуске программы",
     .Font = &BoxFont,
     .Setup = Ticked},

    // The view page.
    {.Name = L"TabSheet2",
     .Parent = L"PageControl1",
     .Make = Make<ui::FlatPanel>,
     .Place = {0, 0, 401, 299},
     .Visible = false,
     .Color = clWindow,
     .Setup = Page},
    {.Name = L"Banner2", .Parent = L"TabSheet2", .Make = Make<ui::Image>, .Place = {0, 0, 401, 32}},
    {.Name = L"Icon2", .Parent = L"TabSheet2", .Make = Make<ui::Image>, .Place = {8, 38, 32, 32}},
    {.Name = L"Title2",
     .Parent = L"TabSheet2",
     .Make = Make<ui::Label>,
     .Place = {48, 47, 0, 0},
     .Text = L"Вид",
     .Font = &TitleFont},
    {.Name = L"GroupBox3",
     .Parent = L"TabSheet2",
     .Make = Make<ui::GroupBox>,
     .Place = {8, 80, 385, 60},
     .Text = L"Значок трея ",
     .Font = &GroupFont},
    {.Name = L"CheckBox6",
     .Parent = L"GroupBox3",
     .Make = Make<ui::CheckBox>,
     .Place = Row(0),
     .Text = L"Показывать значок программы в трее",
     .Font = &BoxFont,
     .Setup = Ticked},
    {.Name = L"CheckBox7",
     .Parent = L"GroupBox3",
     .Make = Make<ui::CheckBox>,
     .Place = Row(1),
     .Text = L"Использовать анимацию при воспроизведении",
     .Font = &BoxFont,
     .Setup = Ticked},
    {.Name = L"GroupBox4",
     .Parent = L"TabSheet2",
     .Make = Make<ui::GroupBox>,
     .Place = {8, 148, 385, 16},
     .Text = L"Проигрыватель ",
     .Font = &GroupFont},
    {.Name = L"CheckBox8",
     .Parent = L"TabSheet2",
     .Make = Make<ui::CheckBox>,
     .Place = {24, 166, 360, 17},
     .Text = L"Показывать заставку",
     .Font = &BoxFont,
     .Setup = Ticked},
    {.Name = L"CheckBox3",
     .Parent = L"TabSheet2",
     .Make = Make<ui::CheckBox>,
     .Place = {24, 186, 360, 17},
     .Text = L"Отображать проигрыватель поверх остальных окон",
     .Font = &BoxFont},
    {.Name = L"Label1",
     .Parent = L"TabSheet2",
     .Make = Make<ui::Label>,
     .Place = {24, 214, 0, 0},
     .Text = L"Цвет фона по умолчанию",
     .Font = &BoxFont},
    {.Name = L"Shape1",
     .Parent = L"TabSheet2",
     .Make = Make<ui::Shape>,
     .Place = {182, 212, 17, 17},
     .Setup = Swatch},
    {.Name = L"Button4",
     .Parent = L"TabSheet2",
     .Make = Make<ui::Button>,
     .Place = {208, 208, 100, 25},
     .Text = L"Выбрать цвет",
     .Hint = L"Открыть окно выбора цвета фона",
     .ShowHint = true},
    // Above the swatch and over the groups: last, so that it lies on top.
    {.Name = L"Panel2",
     .Parent = L"TabSheet2",
     .Make = Make<ui::Panel>,
     .Place = {182, 110, 152, 98},
     .Visible = false},
    {.Name = L"ColorPicker2",
     .Parent = L"Panel2",
     .Make = Make<controls::TColorPicker>,
     .Place = {0, 0, 152, 98},
     .Hint = L"Выбор цвета фона",
     .ShowHint = true,
     .Color = clWindow,
     .Setup = Picker},
};

} // namespace

std::span<const ui::ControlDescription> Form2Description() { return Controls; }

} // namespace settings
