// The main window's menus and toolbar: views of its commands, as designed.
#include "app/Form1.h"
#include "resources/ProgramPictures.h"
#include "ui/Application.h"

#include <vector>

namespace app {
namespace {

// One menu entry. Depth 0 entries sit in the menu itself, deeper ones in the
// nearest shallower entry before them. A caption of "-" is a separator; an
// entry without a caption shows its command's.
struct EntryDesign {
    const wchar_t* Name;
    const wchar_t* Command = nullptr;
    const wchar_t* Caption = nullptr;
    int Depth = 0;
    bool Checked = false;
    bool Hidden = false;
};

const EntryDesign MainMenu1Design[] = {
    {L"N3", nullptr, L"Файл"},
    {L"N4", L"Open", L"Открыть...      ", 1},
    {L"N6", L"CloseFile", nullptr, 1},
    {L"N34", nullptr, L"-", 1},
    {L"N7", L"AppClose", nullptr, 1},
    {L"N8", nullptr, L"Вид"},
    {L"N12", L"FonColor", L"Выбор цвета фона                 ", 1},
    {L"N14", L"EscFull", nullptr, 1},
    {L"N9", nullptr, L"Воспроизведение"},
    {L"N15", L"Play", L"Воспроизвести    ", 1},
    {L"N16", L"Pause", nullptr, 1},
    {L"N17", L"Stop", nullptr, 1},
    {L"N5", nullptr, L"Качество", 1},
    {L"N18", L"K1", nullptr, 2, true},
    {L"N31", L"K2", nullptr, 2},
    {L"N35", L"K3", nullptr, 2},
    {L"N10", nullptr, L"Сервис"},
    {L"N25", L"ShowDir", nullptr, 1},
    {L"N26", L"ShowLibruary", L"Показать список воспроизведения  ", 1},
    {L"N2", L"Tools", nullptr, 1, false, true},
    {L"swf1", L"Regist", nullptr, 1},
    {L"N11", nullptr, L"Справка"},
    {L"N20", L"About", L"О программе...                ", 1},
};

const EntryDesign PopupMenu2Design[] = {
    {L"N19", L"Open"},
    {L"N37", nullptr, L"-"},
    {L"N1", L"FonColor"},
    {L"N21", L"EscFull"},
    {L"N39", nullptr, L"-"},
    {L"N27", L"ShowDir"},
    {L"N28", L"ShowLibruary", L"Показать список воспроизведения     "},
    {L"N40", nullptr, L"-"},
    {L"N33", L"AppClose"},
};

const EntryDesign PopupMenu1Design[] = {
    {L"NoTransparent", L"Play"},
    {L"N36", L"Pause"},
    {L"N41", L"Stop"},
    {L"N22", nullptr, L"Качество"},
    {L"N23", L"K1", nullptr, 1, true},
    {L"N24", L"K2", nullptr, 1},
    {L"N30", L"K3", nullptr, 1},
    {L"N32", L"EscFull"},
};

struct ButtonDesign {
    const wchar_t* Name;
    const wchar_t* Command;
    const wchar_t* Hint;
    int Image;
    bool Hidden = false;
};

const ButtonDesign ToolBar1Design[] = {
    {L"ToolButton1", L"Open", L"Открыть файл", 11},
    {L"ToolButton2", L"EscFull", L"Во весь экран", 16},
    {L"ToolButton3", L"FonColor", L"Выбор цвета фона", 14},
    {L"ToolButton6", nullptr, L"Показать\\скрыть панель меню", 5},
    {L"ToolButton10", L"ShowDir", L"Показать\\скрыть дерево папок", 4},
    {L"ToolButton4", L"ShowLibruary", L"Показать\\скрыть список воспроизведения", 18},
    {L"ToolButton8", L"AppClose", L"Выход из программы", 2},
    {L"ToolButton5", L"Tools", L"Настройки", 1, true},
};

void Build(ui::Menu& menu, std::span<const EntryDesign> design, const ui::ActionList& actions) {
    std::vector<ui::MenuItem*> parents;
    for (const EntryDesign& d : design) {
        parents.resize(static_cast<size_t>(d.Depth));
        ui::MenuItem& item = parents.empty() ? menu.Add(d.Name) : parents.back()->Add(d.Name);
        if (d.Command)
            item.SetAction(actions.Find(d.Command));
        if (d.Caption)
            item.SetCaption(d.Caption);
        if (d.Checked)
            item.SetChecked(true);
        if (d.Hidden)
            item.SetVisible(false);
        parents.push_back(&item);
    }
}

} // namespace

void TForm1::BuildMenus() {
    Build(MainMenu1, MainMenu1Design, ActionList1);
    Build(PopupMenu2, PopupMenu2Design, ActionList1);
    Build(PopupMenu1, PopupMenu1Design, ActionList1);
    PopupMenu2.AnimateLeftToRight = true;
    SetMenu(&MainMenu1);
    PopupMenu = &PopupMenu2;
    for (ui::Control* c : std::initializer_list<ui::Control*>{&ToolBar1, &ShellTree1, &FileListBox1})
        c->PopupMenu = &PopupMenu2;
    ShockwaveFlash1.PopupMenu = &PopupMenu1;
}

void TForm1::BuildToolBar() {
    for (const ButtonDesign& d : ToolBar1Design) {
        ui::ToolButton& button = ToolBar1.AddButton(d.Name);
        button.Hint = d.Hint;
        button.ImageIndex = d.Image;
        if (d.Command)
            button.SetAction(ActionList1.Find(d.Command));
        if (d.Hidden)
            button.SetVisible(false);
    }
    ToolBar1.Find(L"ToolButton6")->OnClick = [this] { ToolButton6Click(); };
    // Without its pictures the toolbar still works; the box says why.
    ui::App().Guard([this] { resources::LoadToolbarImages(ImageList1); });
    ToolBar1.SetImages(&ImageList1);
}

ui::MenuItem& TForm1::MenuEntry(const wchar_t* name) {
    for (ui::Menu* menu : {&MainMenu1, &PopupMenu1, &PopupMenu2}) {
        if (ui::MenuItem* item = menu->Find(name))
            return *item;
    }
    throw std::logic_error("the main window lacks a menu entry it uses");
}

// The switch follows the menu actually shown, not the stored flag, so the
// button always flips what the user sees.
void TForm1::ToolButton6Click() {
    ClassicMenu.SetChecked(GetMenu() == &MainMenu2);
    ClassicMenu.Execute();
}

void TForm1::ClassicMenuExecute() { SetMenu(ClassicMenu.Checked() ? &MainMenu1 : &MainMenu2); }

void TForm1::OnTopExecute() { SetStayOnTop(OnTop.Checked()); }

} // namespace app
