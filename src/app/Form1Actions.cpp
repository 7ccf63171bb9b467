// The main window's commands: captions, categories, shortcuts and states as
// designed, and the handlers the window has for them.
#include "app/Form1.h"

#include <stdexcept>

namespace app {
namespace {

struct CommandDesign {
    const wchar_t* Name;
    const wchar_t* Category;
    const wchar_t* Caption;
    ui::ShortCut Shortcut = 0;
    bool AutoCheck = false;
    bool Checked = false;
    bool Enabled = true;
};

constexpr const wchar_t* File = L"Файл";
constexpr const wchar_t* View = L"Вид";
constexpr const wchar_t* Playback = L"Воспроизведение";
constexpr const wchar_t* Service = L"Сервис";
constexpr const wchar_t* Help = L"Справка";

// In list order.
const CommandDesign Commands[] = {
    {L"Open", File, L"Открыть...", ui::scCtrl | 'O'},
    {L"CloseFile", File, L"Закрыть", ui::scCtrl | 'W'},
    {L"FonColor", View, L"Выбор цвета фона"},
    {L"Play", Playback, L"Воспроизвести"},
    {L"Pause", Playback, L"Пауза"},
    {L"Stop", Playback, L"Остановить"},
    {L"ShowDir", Service, L"Показать выбор директории", 0, true},
    {L"ShowLibruary", Service, L"Показать список воспроизведения", 0, true},
    {L"About", Help, L"О программе..."},
    {L"FrameBack", Playback, L"На кадр назад"},
    {L"FrameForward", Playback, L"На кадр вперед"},
    {L"AppClose", File, L"Выход"},
    {L"K1", Playback, L"Высокое"},
    {L"K2", Playback, L"Среднее"},
    {L"K3", Playback, L"Низкое"},
    {L"EscFull", View, L"Во весь экран", VK_F11, true},
    {L"FileName", L"", L"FileName"},
    {L"Frame", L"", L"Frame"},
    {L"EscapeFullscreen", View, L"EscapeFullscreen", VK_ESCAPE},
    {L"Regist", Service, L"Зарегистрировать .swf-файлы", 0, true},
    {L"Tools", Service, L"Настройки"},
    {L"CheckBox5", L"", L"Стартовать с текущих настроек программы"},
    {L"TrayIcon", L"", L"TrayIcon", 0, false, true},
    {L"TrayAnimation", L"", L"TrayAnimation", 0, false, true},
    {L"Intro", L"", L"Intro"},
    {L"OnTop", View, L"OnTop"},
    {L"FormState", L"", L"FormState", 0, false, false, false},
    {L"ClassicMenu", View, L"ClassicMenu", 0, false, true},
    {L"SaveShowLibrary", L"", L"SaveShowLibrary", 0, true},
};

struct Handler {
    const wchar_t* Name;
    void (TForm1::*Execute)();
};

const Handler Handlers[] = {
    {L"Open", &TForm1::OpenExecute},
    {L"CloseFile", &TForm1::CloseFileExecute},
    {L"Play", &TForm1::PlayExecute},
    {L"Pause", &TForm1::PauseExecute},
    {L"Stop", &TForm1::StopExecute},
    {L"ShowDir", &TForm1::ShowDirExecute},
    {L"ShowLibruary", &TForm1::ShowLibruaryExecute},
    {L"FrameBack", &TForm1::FrameBackExecute},
    {L"FrameForward", &TForm1::FrameForwardExecute},
    {L"AppClose", &TForm1::AppCloseExecute},
    {L"K1", &TForm1::K1Execute},
    {L"K2", &TForm1::K2Execute},
    {L"K3", &TForm1::K3Execute},
    {L"FileName", &TForm1::FileNameExecute},
    {L"Frame", &TForm1::FrameExecute},
    {L"Intro", &TForm1::IntroExecute},
    {L"FonColor", &TForm1::FonColorExecute},
    {L"EscFull", &TForm1::EscFullExecute},
    {L"EscapeFullscreen", &TForm1::EscapeFullscreenExecute},
    {L"SaveShowLibrary", &TForm1::SaveShowLibraryExecute},
    {L"ClassicMenu", &TForm1::ClassicMenuExecute},
    {L"OnTop", &TForm1::OnTopExecute},
    {L"TrayIcon", &TForm1::TrayIconExecute},
    {L"TrayAnimation", &TForm1::TrayAnimationExecute},
    {L"Regist", &TForm1::RegistExecute},
    {L"Tools", &TForm1::ToolsExecute},
    {L"About", &TForm1::AboutExecute},
};

} // namespace

ui::ActionList TForm1::MakeActionList() {
    ui::ActionList list;
    for (const CommandDesign& design : Commands) {
        ui::Action& action = list.Add(design.Name);
        action.Category = design.Category;
        action.Caption = design.Caption;
        action.Shortcut = design.Shortcut;
        action.AutoCheck = design.AutoCheck;
        action.SetChecked(design.Checked);
        action.SetEnabled(design.Enabled);
    }
    return list;
}

ui::Action& TForm1::Command(const ui::ActionList& list, const wchar_t* name) {
    ui::Action* action = list.Find(name);
    if (!action)
        throw std::logic_error("the main window lacks a command it uses");
    return *action;
}

void TForm1::BindCommands() {
    for (const Handler& handler : Handlers)
        Command(ActionList1, handler.Name).OnExecute = [this, execute = handler.Execute] {
            (this->*execute)();
        };
    Actions = &ActionList1;
}

} // namespace app
