// The settings file's lines: how they split, which words count, the
// integer rule of the colour line and what the writer produces.
#include "settings/SettingsText.h"
#include "settings/IoErrors.h"

#include <gtest/gtest.h>

namespace {

using settings::FormatSettings;
using settings::ParseInteger;
using settings::ParseSettings;
using settings::SplitLines;
using settings::TSettingsRecord;

const char* const Defaults = "\r\nUser\r\nStartShowDir\r\nStartShowLibruary\r\nMenu1\r\n-1\r\nNoRegist\r\n"
                             "TrayIcon\r\nTrayAnimation\r\nIntro\r\nNormal\r\nNoFormState\r\n";

TEST(SettingsLines, LfEndsALineAndEveryCrIsDropped) {
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\rb\r\r\n\n"), (std::vector<std::string>{"ab", ""}));
    EXPECT_TRUE(SplitLines("").empty());
    std::string longLine(100000, 'x');
    EXPECT_EQ(SplitLines(longLine + "\r\n").at(0), longLine);
}

TEST(SettingsLines, IntegerRule) {
    EXPECT_EQ(ParseInteger("-1"), -1);
    EXPECT_EQ(ParseInteger("0"), 0);
    EXPECT_EQ(ParseInteger("$FF"), 255);
    EXPECT_EQ(ParseInteger(" 255"), 255);
    EXPECT_EQ(ParseInteger("+007"), 7);
    EXPECT_EQ(ParseInteger("x1f"), 31);
    EXPECT_EQ(ParseInteger("0XaB"), 171);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
    for (const char* bad : {"", " ", "abc", "255 ", "2147483648", "-2147483649", "$", "0x", "-", "+ 1",
                            "$1FFFFFFFF", "1e3", "99999999999999999999999", "\t5", "$-1"})
        EXPECT_FALSE(ParseInteger(bad)) << '"' << bad << '"';
}

TEST(SettingsFile, ShippedDefaultsRead) {
    auto read = ParseSettings(Defaults);
    EXPECT_TRUE(read.BackgroundValid);
    TSettingsRecord expected;
    expected.ShowDir = expected.ShowLibruary = expected.MainMenu = true;
    expected.Background = -1;
    expected.TrayIcon = expected.TrayAnimation = expected.Intro = true;
    EXPECT_EQ(read.Values, expected);
    EXPECT_EQ(FormatSettings(read.Values), Defaults);
}

TEST(SettingsFile, OnlyTheExactPositiveWordCounts) {
    auto read =
        ParseSettings("C:\\Movies\r\nProgramm\r\nstartshowdir\r\nStartShowLibruary \r\nMenu1\r\n0\r\n"
                      "Regist\r\nTrayIcon\r\nTrayAnimation\r\nIntro\r\nStayOnTop\r\nFormState\r\nextra\r\n");
    EXPECT_EQ(read.Values.Folder, "C:\\Movies");
    EXPECT_TRUE(read.Values.ProgramMode);
    EXPECT_FALSE(read.Values.ShowDir);
    EXPECT_FALSE(read.Values.ShowLibruary);
    EXPECT_TRUE(read.Values.Regist && read.Values.StayOnTop && read.Values.FormState);
}

TEST(SettingsFile, ShortFilesReadMissingLinesAsEmpty) {
    // Six lines ending with a good colour: everything after is off, no error.
    auto six = ParseSettings("D:\\\r\nUser\r\nStartShowDir\r\nNoShowLibruary\r\nNoMenu\r\n$FF");
    EXPECT_TRUE(six.BackgroundValid);
    EXPECT_EQ(six.Values.Background, 255);
    EXPECT_FALSE(six.Values.MainMenu);
    EXPECT_FALSE(six.Values.TrayIcon || six.Values.TrayAnimation || six.Values.Intro);

    auto empty = ParseSettings("");
    EXPECT_FALSE(empty.BackgroundValid);
    EXPECT_EQ(empty.BackgroundLine, "");
}

TEST(SettingsFile, ABadColourLineCostsOnlyTheColour) {
    auto read = ParseSettings("\r\nUser\r\nStartShowDir\r\nStartShowLibruary\r\nMenu1\r\nabc\r\nRegist\r\n"
                              "TrayIcon\r\nNoTrayAnimation\r\nIntro\r\nStayOnTop\r\nFormState\r\n");
    EXPECT_FALSE(read.BackgroundValid);
    EXPECT_EQ(read.BackgroundLine, "abc");
    EXPECT_TRUE(read.Values.Regist && read.Values.TrayIcon && read.Values.Intro && read.Values.FormState);
    EXPECT_FALSE(read.Values.TrayAnimation);
}

TEST(SettingsFile, WrittenFilesReadBackTheSame) {
    TSettingsRecord record;
    record.Folder = "C:\\Program Files\\\xC0\xE1\xE2"; // ANSI bytes pass untouched
    record.ProgramMode = true;
    record.MainMenu = false;
    record.Background = INT32_MIN;
    record.StayOnTop = true;
    std::string text = FormatSettings(record);
    EXPECT_EQ(SplitLines(text).size(), 12u);
    EXPECT_TRUE(text.ends_with("\r\nNoFormState\r\n"));
    EXPECT_NE(text.find("\r\n-2147483648\r\n"), std::string::npos);
    EXPECT_EQ(ParseSettings(text).Values, record);
}

TEST(SettingsFile, IoErrorTexts) {
    EXPECT_EQ(settings::IoErrorText(2), "File not found");
    EXPECT_EQ(settings::IoErrorText(5), "File access denied");
    EXPECT_EQ(settings::IoErrorText(112), "Disk full");
    EXPECT_EQ(settings::IoErrorText(32), "I/O error 32");
}

} // namespace
