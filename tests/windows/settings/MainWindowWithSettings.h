#pragma once

#include "FakeSoundDevices.h"
#include "FakeTrayShell.h"
#include "IsolatedSettings.h"
#include "TestWindows.h"
#include "app/Form1.h"

#include <gtest/gtest.h>

#include <optional>

namespace testing_support {

// The settings file the program ships with.
inline const std::string ShippedSettings =
    "\r\nUser\r\nStartShowDir\r\nStartShowLibruary\r\nMenu1\r\n-1\r\nNoRegist\r\n"
    "TrayIcon\r\nTrayAnimation\r\nIntro\r\nNormal\r\nNoFormState\r\n";

// The twelve lines of a file, each ended by CR LF.
std::string SettingsText(std::initializer_list<const char*> lines);

// The main window started over a settings file of the test's (or none),
// with the sound card, the notification area and the registry in memory.
class MainWindowWithSettings : public testing::Test {
protected:
    SettingsFolder folder;
    std::shared_ptr<TrayShellState> shell = std::make_shared<TrayShellState>();
    std::shared_ptr<RegistryState> registry = std::make_shared<RegistryState>();
    FakeSoundDeviceClass* wave = nullptr;
    std::unique_ptr<app::TForm1> form;

    void Start(std::optional<std::string> file);
    ui::Action& Command(const wchar_t* name) const { return *form->ActionList1.Find(name); }
    // The texts of the error boxes shown so far.
    static std::vector<std::wstring> Errors();
    uint32_t Level() const { return wave->Devices.at(0).Level; }
    bool TrayIconShown() const { return shell->Present; }
    void MakeFileReadOnly() const { SetFileAttributesW(folder.File().c_str(), FILE_ATTRIBUTE_READONLY); }
};

} // namespace testing_support
