// The settings file read at start and written at close by the main window,
// and the file routines under them.
#include "MainWindowWithSettings.h"
#include "playback/ApplicationFolder.h"
#include "settings/IoErrors.h"
#include "settings/SettingsFile.h"

#include <filesystem>

namespace {

using testing_support::MainWindowWithSettings;
using testing_support::SettingsFolder;
using testing_support::SettingsText;
using testing_support::ShippedSettings;

using StoredOptions = MainWindowWithSettings;

TEST_F(StoredOptions, AMissingFileIsAFirstStartWithoutAnyBox) {
    Start(std::nullopt);
    EXPECT_TRUE(Errors().empty());
    // The design state, and the rest of the creation handler ran.
    EXPECT_FALSE(Command(L"Intro").Checked());
    EXPECT_TRUE(Command(L"TrayIcon").Checked());
    EXPECT_FALSE(TrayIconShown());
    EXPECT_FALSE(form->ShowDir.Checked());
    EXPECT_TRUE(form->ShellTree1.Visible());
    EXPECT_EQ(form->GetMenu(), &form->MainMenu1);
    EXPECT_EQ(Level(), testing_support::BothChannels(0xFC00));

    form->Close();
    EXPECT_EQ(folder.Line(2), "User");
    EXPECT_EQ(folder.Line(3), "StartShowDir");
    EXPECT_EQ(folder.Line(4), "StartShowLibruary");
    EXPECT_EQ(folder.Line(8), "TrayIcon");
    EXPECT_EQ(folder.Line(9), "TrayAnimation");
    EXPECT_EQ(folder.Line(10), "NoIntro");
}

TEST_F(StoredOptions, TheShippedFileShowsTheIntroAndTheTrayIcon) {
    Start(ShippedSettings);
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(TrayIconShown());
    EXPECT_EQ(form->ShockwaveFlash1.Movie(), playback::IntroMoviePath());
    EXPECT_TRUE(form->ShowDir.Checked() && form->ShowLibruary.Checked());
    EXPECT_TRUE(form->Panel1.Visible());
    EXPECT_EQ(form->ShockwaveFlash1.BackgroundColor(), -1);
}

TEST_F(StoredOptions, OnlyTheExactWordsSwitchAnOptionOn) {
    Start(SettingsText({"", "Programm", "startshowdir", "StartShowLibruary ", "NoMenu", "0", "Regist",
                        "trayicon", "TrayAnimation", "Intro", "StayOnTop", "FormState"}));
    EXPECT_TRUE(Command(L"CheckBox5").Checked());
    EXPECT_FALSE(form->ShowDir.Checked());
    EXPECT_FALSE(form->ShellTree1.Visible());
    EXPECT_FALSE(form->ShowLibruary.Checked());
    EXPECT_FALSE(form->Panel1.Visible());
    EXPECT_FALSE(TrayIconShown());
    EXPECT_TRUE(Command(L"Regist").Checked() && Command(L"FormState").Checked());
    // Stay-on-top is remembered, but only the dialog's OK applies it.
    EXPECT_TRUE(form->OnTop.Checked());
    EXPECT_FALSE(form->StayOnTop());
    // The menu bar button brings the menu back after a start without it.
    EXPECT_EQ(form->GetMenu(), &form->MainMenu2);
    EXPECT_TRUE(form->ClassicMenu.Checked());
    form->ToolButton6Click();
    EXPECT_EQ(form->GetMenu(), &form->MainMenu1);
}

TEST_F(StoredOptions, TheColourLineFollowsTheIntegerRule) {
    const std::pair<const char*, int> good[] = {
        {"$FF", 255}, {" 255", 255}, {"-1", -1}, {"0x00FF99CC", 0xFF99CC}};
    for (auto [line, value] : good) {
        Start(SettingsText({"", "User", "StartShowDir", "StartShowLibruary", "Menu1", line}));
        EXPECT_EQ(form->ShockwaveFlash1.BackgroundColor(), value) << line;
        EXPECT_TRUE(Errors().empty()) << line;
        // Six lines and no more: the rest read as empty, so they are off.
        EXPECT_FALSE(Command(L"TrayIcon").Checked() || Command(L"TrayAnimation").Checked());
    }
}

TEST_F(StoredOptions, ABadColourLineIsReportedAndCostsNothingElse) {
    Start(SettingsText({"", "User", "NoShowDir", "StartShowLibruary", "NoMenu", "255 ", "Regist", "TrayIcon",
                        "NoTrayAnimation", "Intro", "Normal", "FormState"}));
    EXPECT_EQ(Errors(), std::vector<std::wstring>{L"'255 ' is not a valid integer value."});
    EXPECT_EQ(form->ShockwaveFlash1.BackgroundColor(), -1); // the player's own initial value
    EXPECT_FALSE(form->ShowDir.Checked());
    EXPECT_EQ(form->GetMenu(), &form->MainMenu2);
    // The lines after it were read, and the intro came after the reading.
    EXPECT_TRUE(Command(L"Regist").Checked() && Command(L"FormState").Checked());
    EXPECT_TRUE(TrayIconShown());
    EXPECT_FALSE(form->TrayAnimation.Checked());
    EXPECT_EQ(form->ShockwaveFlash1.Movie(), playback::IntroMoviePath());
    // So the next close keeps the user's options.
    form->Close();
    EXPECT_EQ(folder.Line(7), "Regist");
    EXPECT_EQ(folder.Line(12), "FormState");
}

TEST_F(StoredOptions, AnEmptyFileNamesAnEmptyColourLine) {
    Start("");
    EXPECT_EQ(Errors(), std::vector<std::wstring>{L"'' is not a valid integer value."});
}

TEST_F(StoredOptions, LinesThreeAndFourComeFromTheDialogInUserModeAndThePanelsInProgramMode) {
    Start(ShippedSettings);
    form->ShowLibruary.Execute(); // hides the panel
    ASSERT_FALSE(form->Panel1.Visible());
    form->Form2->CheckBox2.SetChecked(false);
    form->WriteSettings();
    EXPECT_EQ(folder.Line(3), "NoShowDir");
    EXPECT_EQ(folder.Line(4), "StartShowLibruary");

    Command(L"CheckBox5").SetChecked(true);
    form->WriteSettings();
    EXPECT_EQ(folder.Line(2), "Programm");
    EXPECT_EQ(folder.Line(3), "StartShowDir");
    EXPECT_EQ(folder.Line(4), "NoShowLibruary");
}

TEST_F(StoredOptions, FullScreenAtCloseStoresNoMenuAndNoPlaylist) {
    Start(SettingsText({"", "Programm", "StartShowDir", "StartShowLibruary", "Menu1", "0", "NoRegist",
                        "NoTrayIcon", "TrayAnimation", "NoIntro", "Normal", "NoFormState"}));
    form->EscFull.Execute();
    form->Close();
    EXPECT_EQ(folder.Line(5), "NoMenu");
    EXPECT_EQ(folder.Line(4), "NoShowLibruary");
}

TEST_F(StoredOptions, WhatTheCloseWritesTheNextStartReads) {
    std::string stored =
        SettingsText({"", "Programm", "StartShowDir", "NoShowLibruary", "NoMenu", "1193046", "Regist",
                      "NoTrayIcon", "NoTrayAnimation", "Intro", "StayOnTop", "FormState"});
    Start(stored);
    form->Close();
    std::string written = folder.Read();
    // The first line is the folder the tree selected, as the tree names it.
    EXPECT_EQ(written.substr(written.find("\r\n")), stored);
    Start(written);
    EXPECT_EQ(form->ShockwaveFlash1.BackgroundColor(), 1193046);
    form->Close();
    EXPECT_EQ(folder.Read(), written);
}

TEST_F(StoredOptions, AFailedWriteAtCloseIsReportedAndTheWindowStillCloses) {
    Start(ShippedSettings);
    form->SpeedButton1.Click(); // muted
    ASSERT_EQ(Level(), 0u);
    MakeFileReadOnly();
    HWND window = form->Handle();
    form->Close();
    EXPECT_EQ(Errors(), std::vector<std::wstring>{L"File access denied."});
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Level(), testing_support::BothChannels(0xFC00));
    EXPECT_EQ(folder.Read(), ShippedSettings);
}

TEST_F(StoredOptions, TheSessionEndingSavesTheOptionsAndResetsTheVolume) {
    Start(std::nullopt);
    form->SpeedButton1.Click();
    SendMessageW(form->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(folder.Line(10), "NoIntro");
    EXPECT_EQ(Level(), testing_support::BothChannels(0xFC00));
}

TEST(SettingsFile, WritingReplacesTheFileOnlyWhenTheNewOneIsComplete) {
    SettingsFolder folder;
    EXPECT_FALSE(settings::ReadSettingsFile(folder.File()));
    settings::TSettingsRecord record;
    record.Background = 42;
    settings::WriteSettingsFile(folder.File(), record);
    EXPECT_EQ(settings::ReadSettingsFile(folder.File()), settings::FormatSettings(record));

    // A file that cannot be replaced keeps its content, and nothing is left
    // beside it.
    SetFileAttributesW(folder.File().c_str(), FILE_ATTRIBUTE_READONLY);
    record.Background = 7;
    EXPECT_THROW(
        try { settings::WriteSettingsFile(folder.File(), record); } catch (const settings::IoError& e) {
            EXPECT_STREQ(e.what(), "File access denied");
            throw;
        },
        settings::IoError);
    EXPECT_NE(folder.Read().find("\r\n42\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.File() + L".new"));

    // Nowhere to write at all.
    EXPECT_THROW(settings::WriteSettingsFile(folder.Path() + L"missing\\tls.dat", record), settings::IoError);
}

TEST(SettingsFile, OthersMayReadButNotWriteWhileItIsOpenAndHugeFilesAreRefused) {
    SettingsFolder folder;
    folder.Write(ShippedSettings);
    // Someone writing it: reading waits for no one and says why.
    HANDLE writer = CreateFileW(folder.File().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_THROW(settings::ReadSettingsFile(folder.File()), settings::IoError);
    CloseHandle(writer);
    // Someone reading it: we can read too.
    HANDLE reader =
        CreateFileW(folder.File().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(settings::ReadSettingsFile(folder.File()), ShippedSettings);
    CloseHandle(reader);

    folder.Write(std::string(2 << 20, 'x'));
    EXPECT_THROW(settings::ReadSettingsFile(folder.File()), std::runtime_error);
}

} // namespace
