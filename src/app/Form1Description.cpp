#include "app/Form1Description.h"

#include "controls/BackGround.h"
#include "controls/ColorPicker.h"
#include "controls/MediaProgressBar.h"
#include "playback/ShockwaveFlash.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Splitter.h"
#include "ui/ToolBar.h"
#include "view/FileListBox.h"
#include "view/ShellTree.h"

namespace app {
namespace {

using ui::Align;
using ui::ControlDescription;
using ui::Make;

constexpr ui::TColor clWindow = 0xFF000000 | COLOR_WINDOW;

const ui::FontSpec TitleFont{L"Segoe UI", 12, true, RUSSIAN_CHARSET, ui::clNavy};
const ui::FontSpec ListFont{L"Segoe UI", 12, false, RUSSIAN_CHARSET, ui::clWindowText};

void Separator(ui::Control& c) { static_cast<ui::Splitter&>(c).Resizable = false; }

void FolderTree(ui::Control& c) {
    auto& tree = static_cast<view::TShellTree&>(c);
    tree.Options = view::stoAutoFill | view::stoDefaultKeyHandling | view::stoDynamicRefresh |
                   view::stoOleDrag | view::stoOleDrop;
    tree.ReadOnly = true;
    tree.Indent = 19;
}

void MovieList(ui::Control& c) {
    auto& list = static_cast<view::TFileListBox&>(c);
    list.SetMask(L"*.swf");
    list.SetFileType(view::ftNormal);
    list.SetItemHeight(14);
}

// A hidden control of the bottom panel: an edit field that only holds a
// value for the window, or a button that only code clicks.
template <class T> ControlDescription Hidden(const wchar_t* name, int left) {
    return {
        .Name = name, .Parent = L"Panel2", .Make = Make<T>, .Place = {left, 70, 20, 21}, .Visible = false};
}

const ControlDescription Description[] = {
    {.Name = L"ToolBar1", .Make = Make<ui::ToolBar>, .Place = {0, 0, 643, 48}, .Align = Align::Top},
    {.Name = L"Splitter3",
     .Make = Make<ui::Splitter>,
     .Place = {0, 48, 643, 3},
     .Align = Align::Top,
     .Setup = Separator},
    {.Name = L"Panel1", .Make = Make<ui::Panel>, .Place = {468, 51, 175, 329}, .Align = Align::Right},
    {.Name = L"ShellTree1",
     .Parent = L"Panel1",
     .Make = Make<view::TShellTree>,
     .Place = {0, 0, 175, 105},
     .Align = Align::Top,
     .Color = clWindow,
     .Setup = FolderTree},
    {.Name = L"Splitter2",
     .Parent = L"Panel1",
     .Make = Make<ui::Splitter>,
     .Place = {0, 105, 175, 2},
     .Align = Align::Top},
    {.Name = L"FileListBox1",
     .Parent = L"Panel1",
     .Make = Make<view::TFileListBox>,
     .Place = {0, 107, 175, 222},
     .Align = Align::Client,
     .Color = clWindow,
     .Font = &ListFont,
     .Setup = MovieList},
    {.Name = L"BackGround3",
     .Parent = L"Panel1",
     .Make = Make<controls::TBackGround>,
     .Place = {0, 107, 175, 222},
     .Align = Align::Client,
     .Setup = [](ui::Control& c) { static_cast<controls::TBackGround&>(c).SetFillColorDark(0xFF000002); }},
    {.Name = L"Splitter1", .Make = Make<ui::Splitter>, .Place = {465, 51, 3, 329}, .Align = Align::Right},
    {.Name = L"Panel2", .Make = Make<ui::Panel>, .Place = {0, 380, 643, 72}, .Align = Align::Bottom},
    {.Name = L"Panel3", .Make = Make<ui::Panel>, .Place = {0, 51, 465, 329}, .Align = Align::Client},
    {.Name = L"ShockwaveFlash1",
     .Parent = L"Panel3",
     .Make = Make<playback::TShockwaveFlash>,
     .Place = {0, 0, 465, 329},
     .Align = Align::Client},
    {.Name = L"Panel4",
     .Parent = L"Panel3",
     .Make = Make<ui::Panel>,
     .Place = {121, 0, 168, 145},
     .Visible = false},
    {.Name = L"ColorPicker1",
     .Parent = L"Panel4",
     .Make = Make<controls::TColorPicker>,
     .Place = {9, 9, 152, 98},
     .Color = clWindow,
     .Setup = [](ui::Control& c) { static_cast<controls::TColorPicker&>(c).ShowColorHints = false; }},
    {.Name = L"Button2",
     .Parent = L"Panel4",
     .Make = Make<ui::Button>,
     .Place = {9, 112, 147, 27},
     .Text = L"Применить цвет фона"},
    {.Name = L"BackGround1",
     .Make = Make<controls::TBackGround>,
     .Place = {0, 51, 465, 329},
     .Align = Align::Client},

    {.Name = L"BackGround2",
     .Parent = L"Panel2",
     .Make = Make<controls::TBackGround>,
     .Place = {0, 0, 643, 72},
     .Align = Align::Client,
     .Setup = [](ui::Control& c) { static_cast<controls::TBackGround&>(c).SetFillColorDark(0xFF00000A); }},
    {.Name = L"Label1",
     .Parent = L"Panel2",
     .Make = Make<ui::Label>,
     .Place = {9, 2, 131, 15},
     .Text = L"KorvalenFlashPlayer 0.8",
     .Font = &TitleFont},
    {.Name = L"Label2",
     .Parent = L"Panel2",
     .Make = Make<ui::Label>,
     .Place = {394, 2, 0, 15},
     .Hint = L"Текущий кадр/всего кадров",
     .ShowHint = true,
     .Font = &TitleFont},
    {.Name = L"MediaProgressBar1",
     .Parent = L"Panel2",
     .Make = Make<controls::TMediaProgressBar>,
     .Place = {8, 23, 496, 5},
     .Hint = L"Воспроизведение"},
    {.Name = L"BitBtn1", .Parent = L"Panel2", .Make = Make<ui::BitBtn>, .Place = {8, 35, 35, 26}},
    {.Name = L"BitBtn2",
     .Parent = L"Panel2",
     .Make = Make<ui::BitBtn>,
     .Place = {47, 33, 55, 30},
     .Hint = L"На один кадр назад",
     .ShowHint = true},
    {.Name = L"BitBtn3",
     .Parent = L"Panel2",
     .Make = Make<ui::BitBtn>,
     .Place = {102, 33, 56, 30},
     .Hint = L"Остановить воспроизведение",
     .ShowHint = true},
    {.Name = L"BitBtn4",
     .Parent = L"Panel2",
     .Make = Make<ui::BitBtn>,
     .Place = {158, 33, 84, 30},
     .Hint = L"Воспроизведение",
     .ShowHint = true},
    {.Name = L"BitBtn6",
     .Parent = L"Panel2",
     .Make = Make<ui::BitBtn>,
     .Place = {158, 33, 84, 30},
     .Visible = false,
     .Hint = L"Приостановить",
     .ShowHint = true},
    {.Name = L"BitBtn5",
     .Parent = L"Panel2",
     .Make = Make<ui::BitBtn>,
     .Place = {242, 33, 55, 30},
     .Hint = L"На один кадр вперед",
     .ShowHint = true},
    {.Name = L"MediaProgressBar2",
     .Parent = L"Panel2",
     .Make = Make<controls::TMediaProgressBar>,
     .Place = {321, 33, 183, 3},
     .Hint = L"Уровень громкости",
     .ShowHint = true},
    {.Name = L"SpeedButton1",
     .Parent = L"Panel2",
     .Make = Make<ui::SpeedButton>,
     .Place = {320, 42, 36, 21},
     .Hint = L"Отключить звук",
     .ShowHint = true},
    {.Name = L"SpeedButton4",
     .Parent = L"Panel2",
     .Make = Make<ui::SpeedButton>,
     .Place = {320, 42, 36, 21},
     .Visible = false,
     .Hint = L"Включить звук",
     .ShowHint = true},
    {.Name = L"SpeedButton2",
     .Parent = L"Panel2",
     .Make = Make<ui::SpeedButton>,
     .Place = {368, 42, 68, 21},
     .Hint = L"Убавить громкость",
     .ShowHint = true},
    {.Name = L"SpeedButton3",
     .Parent = L"Panel2",
     .Make = Make<ui::SpeedButton>,
     .Place = {436, 42, 68, 21},
     .Hint = L"Прибавить громкость",
     .ShowHint = true},
    Hidden<ui::Edit>(L"Edit1", 520),
    Hidden<ui::Edit>(L"Edit3", 540),
    Hidden<ui::Edit>(L"Edit4", 560),
    Hidden<ui::Edit>(L"Edit5", 580),
    Hidden<ui::Edit>(L"Edit6", 600),
    Hidden<ui::Button>(L"Button3", 620),
    Hidden<ui::Button>(L"Button4", 640),
};

} // namespace

std::span<const ui::ControlDescription> Form1Description() { return Description; }

} // namespace app
