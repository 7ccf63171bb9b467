#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using app::CommandLinePath;

TEST(CommandLine, JoinsArgumentsAfterTheProgramName) {
    EXPECT_EQ(CommandLinePath(L"player.exe"), L"");
    EXPECT_EQ(CommandLinePath(L"\"C:\\Program Files\\player.exe\" clip.swf"), L"clip.swf");
    // Two unquoted arguments and one quoted argument give the same path.
    EXPECT_EQ(CommandLinePath(L"p.exe C:\\My Movies\\clip.swf"), L"C:\\My Movies\\clip.swf");
    EXPECT_EQ(CommandLinePath(L"p.exe \"C:\\My Movies\\clip.swf\""), L"C:\\My Movies\\clip.swf");
}

TEST(CommandLine, RunsOfWhiteSpaceBecomeOneSpace) {
    EXPECT_EQ(CommandLinePath(L"p.exe C:\\My  Movies\\clip.swf"), L"C:\\My Movies\\clip.swf");
    EXPECT_EQ(CommandLinePath(L"p.exe\ta\t\tb   c  "), L"a b c");
    EXPECT_EQ(CommandLinePath(L"  p.exe   "), L"");
}

TEST(CommandLine, QuotesGroupAnywhereAndBackslashesAreLiteral) {
    EXPECT_EQ(CommandLinePath(L"p.exe C:\\\"My Movies\"\\clip.swf"), L"C:\\My Movies\\clip.swf");
    EXPECT_EQ(CommandLinePath(L"p.exe \"C:\\dir\\\" x"), L"C:\\dir\\ x");
    // An unclosed quote runs to the end of the line.
    EXPECT_EQ(CommandLinePath(L"p.exe \"a  b"), L"a  b");
    // An empty quoted argument still counts as one.
    EXPECT_EQ(app::SplitCommandLine(L"p.exe \"\" x").size(), 3u);
}

TEST(CommandLine, KnowsWhetherThereAreArguments) {
    EXPECT_FALSE(app::HasArguments(L"\"C:\\a b\\p.exe\"  "));
    EXPECT_TRUE(app::HasArguments(L"p.exe x"));
}

} // namespace
