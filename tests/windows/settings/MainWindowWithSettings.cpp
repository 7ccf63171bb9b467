#include "MainWindowWithSettings.h"

namespace testing_support {

std::string SettingsText(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

void MainWindowWithSettings::Start(std::optional<std::string> file) {
    if (file)
        folder.Write(*file);
    auto waveClass = std::make_unique<FakeSoundDeviceClass>("wave");
    waveClass->Devices.push_back({true, BothChannels(0x4000)});
    wave = waveClass.get();
    controls::TSoundDevices devices{std::make_unique<FakeSoundDeviceClass>("midi"),
                                    std::make_unique<FakeSoundDeviceClass>("cd"), std::move(waveClass)};
    form = std::make_unique<app::TForm1>(
        L"KorvalenFlashPlayer.exe",
        IsolatedServices(folder, registry,
                         app::TForm1Services{std::move(devices), std::make_unique<FakeTrayShell>(shell)}));
    form->ShowMain();
    PumpMessagesFor(100);
}

std::vector<std::wstring> MainWindowWithSettings::Errors() {
    std::vector<std::wstring> texts;
    for (const RecordedError& error : RecordedErrors())
        texts.push_back(error.Text);
    return texts;
}

} // namespace testing_support
