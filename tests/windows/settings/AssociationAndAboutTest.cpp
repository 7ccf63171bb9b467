// The .swf association against a registry in memory and a private hive,
// and the About box.
#include "MainWindowWithSettings.h"
#include "settings/AboutForm.h"
#include "settings/FileAssociation.h"
#include "ui/Application.h"

#include <filesystem>

namespace {

using testing_support::FakeRegistry;
using testing_support::MainWindowWithSettings;
using testing_support::RegistryState;
using testing_support::ShippedSettings;

const std::wstring ProgramWithBlanks = L"C:\\Program Files\\Korvalen Player\\KorvalenFlashPlayer.exe";

TEST(FileAssociation, TheOpenCommandQuotesAProgramPathWithBlanks) {
    auto state = std::make_shared<RegistryState>();
    FakeRegistry registry(state);
    settings::RegisterSwfFiles(registry, ProgramWithBlanks);
    std::vector<std::pair<std::wstring, std::wstring>> expected{
        {L".SWF", L"SWFfile"},
        {L"SWFfile\\DefaultIcon", L"C:\\Program Files\\Korvalen Player\\swf_files.ico"},
        {L"SWFfile\\shell\\open\\command",
         L"\"C:\\Program Files\\Korvalen Player\\KorvalenFlashPlayer.exe\" \"%1\""},
    };
    EXPECT_EQ(state->Values, expected);
}

TEST(FileAssociation, RealRegistryValuesInAPrivateHive) {
    std::filesystem::path hive = std::filesystem::temp_directory_path() /
                                 (L"kfp-hive-" + std::to_wstring(GetCurrentProcessId()) + L".dat");
    HKEY root = nullptr;
    if (RegLoadAppKeyW(hive.c_str(), &root, KEY_ALL_ACCESS, 0, 0) != ERROR_SUCCESS)
        GTEST_SKIP() << "this system cannot load a private registry hive";
    settings::TSystemRegistryWriter writer(root);
    // Some systems (Wine) load the hive but keep it read-only.
    if (!writer.SetDefaultValue(L"Probe", L"probe")) {
        RegCloseKey(root);
        GTEST_SKIP() << "this system cannot write a private registry hive";
    }
    settings::RegisterSwfFiles(writer, ProgramWithBlanks);
    wchar_t value[MAX_PATH] = L"";
    DWORD size = sizeof value;
    EXPECT_EQ(
        RegGetValueW(root, L"SWFfile\\shell\\open\\command", nullptr, RRF_RT_REG_SZ, nullptr, value, &size),
        ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(value), settings::OpenCommand(ProgramWithBlanks));
    RegCloseKey(root);
    std::error_code ignored;
    std::filesystem::remove(hive, ignored);
}

using RegistCommand = MainWindowWithSettings;

TEST_F(RegistCommand, RegisteringChecksTheCommandAndAFailureLeavesItAsItWas) {
    Start(ShippedSettings);
    ui::Action& regist = Command(L"Regist");
    regist.Execute();
    EXPECT_TRUE(regist.Checked());
    EXPECT_EQ(registry->Values.size(), 3u);
    regist.Execute(); // again while checked: the same values, still checked
    EXPECT_TRUE(regist.Checked());
    EXPECT_EQ(registry->Values.size(), 6u);
    form->Close();
    EXPECT_EQ(folder.Line(7), "Regist");
}

TEST_F(RegistCommand, AFailedRegistrationIsReportedWithoutAFullStop) {
    Start(ShippedSettings);
    ui::Action& regist = Command(L"Regist");
    // As the menu's click reaches it: through the error box.
    auto choose = [this] { ui::App().Guard([this] { form->MenuEntry(L"swf1").Click(); }); };
    registry->FailFrom = 1;
    choose();
    EXPECT_EQ(Errors(), std::vector<std::wstring>{L"Failed to set data for ''"});
    EXPECT_FALSE(regist.Checked());
    ASSERT_EQ(registry->Values.size(), 1u);
    EXPECT_EQ(registry->Values[0].first, L".SWF");

    regist.SetChecked(true);
    registry->FailFrom = 0;
    choose();
    EXPECT_TRUE(regist.Checked());
}

// What the About box did while it was open.
struct AboutRun {
    bool Found = false;
    bool OpenAfterLabelClick = false;
};
AboutRun aboutRun;

void CALLBACK ClickLabelThenPicture(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND about = FindWindowW(nullptr, L"О программе");
    aboutRun.Found = about != nullptr;
    if (!about)
        return;
    HWND picture = GetWindow(about, GW_CHILD);
    HWND version = GetWindow(picture, GW_CHILD);
    SendMessageW(version, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    aboutRun.OpenAfterLabelClick = IsWindowVisible(about);
    SendMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
}

TEST_F(RegistCommand, TheAboutBoxClosesOnAClickOnItsPictureOnly) {
    Start(ShippedSettings);
    SetTimer(nullptr, 0, 100, ClickLabelThenPicture);
    Command(L"About").Execute(); // returns once the box has closed
    EXPECT_TRUE(aboutRun.Found);
    EXPECT_TRUE(aboutRun.OpenAfterLabelClick);
    EXPECT_TRUE(Errors().empty()); // the picture was there
}

TEST_F(RegistCommand, TheAboutBoxShowsTheVersionAndTheMailLink) {
    Start(ShippedSettings);
    settings::TAboutForm about(*form);
    EXPECT_EQ(about.Label1.Caption(), L"VERSION   0.8");
    EXPECT_EQ(about.URLLabel1.Caption(), settings::ContactAddress);
    EXPECT_TRUE(about.URLLabel1.Caption().ends_with(L"@example.org"));
    EXPECT_EQ(settings::MailLink(), L"mailto:player@example.org?subject=KorvalenFlashPlayer%200.8");
    EXPECT_TRUE(about.Image1.HasPicture());
    EXPECT_TRUE(about.StayOnTop());
    EXPECT_EQ(about.ClientWidth(), 370);
    EXPECT_EQ(about.ClientHeight(), 211);
    EXPECT_FALSE(about.URLLabel1.Visited());
}

} // namespace
