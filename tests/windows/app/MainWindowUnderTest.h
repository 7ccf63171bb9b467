#pragma once

#include "IsolatedSettings.h"
#include "TestWindows.h"
#include "app/Form1.h"

#include <string>

namespace testing_support {

// The main window shown without a movie on the command line, after its
// folder tree has filled itself; its settings file starts missing.
struct MainWindowUnderTest {
    SettingsFolder Settings;
    app::TForm1 Form;
    explicit MainWindowUnderTest(const std::wstring& commandLine = L"KorvalenFlashPlayer.exe")
        : Form(commandLine, IsolatedServices(Settings)) {
        Form.ShowMain();
        PumpMessagesFor(100);
    }

    // A double-click on the file list, as the user gives it.
    void DoubleClickList() { Form.FileListBox1.OnDblClick(); }
    bool PlayingLook() const { return Form.BitBtn6.Visible() && !Form.BitBtn4.Visible(); }
    bool HaltedLook() const { return Form.BitBtn4.Visible() && !Form.BitBtn6.Visible(); }
    bool ViewHasFocus() { return GetFocus() == Form.Panel3.Handle(); }
};

} // namespace testing_support
