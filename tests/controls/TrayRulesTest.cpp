#include "controls/TrayFrameCycle.h"
#include "controls/TrayRequest.h"
#include "controls/TrayTip.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace controls {

namespace {

std::vector<int> Frames(TTrayFrameCycle& cycle, int start, int count, bool swing, int steps) {
    std::vector<int> seen;
    for (int index = start; steps-- > 0;)
        seen.push_back(index = cycle.Next(index, count, swing));
    return seen;
}

// A shell that answers each request from a script (true = success; an
// exhausted script fails) and records what it was asked.
struct ScriptedShell {
    std::deque<bool> Answers;
    unsigned long Error = 0;
    std::vector<TrayRequest> Sent;
    unsigned Waited = 0;

    TrayRequestCalls Calls() {
        return {[this](TrayRequest r) {
                    Sent.push_back(r);
                    bool answer = !Answers.empty() && Answers.front();
                    if (!Answers.empty())
                        Answers.pop_front();
                    return answer;
                },
                [this] { return Error; }, [this](unsigned milliseconds) { Waited += milliseconds; }};
    }
};

using R = TrayRequest;

} // namespace

TEST(TrayFrameCycle, RunsThroughTheListAndRoundAgain) {
    TTrayFrameCycle cycle;
    EXPECT_EQ(Frames(cycle, 0, 12, false, 13), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1}));
    EXPECT_EQ(Frames(cycle, -5, 3, false, 4), (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(Frames(cycle, 20, 12, false, 2), (std::vector<int>{9, 10})); // an index past the end wraps
}

TEST(TrayFrameCycle, SwingsBackAtEitherEnd) {
    TTrayFrameCycle cycle;
    EXPECT_EQ(Frames(cycle, 0, 4, true, 8), (std::vector<int>{1, 2, 3, 2, 1, 0, 1, 2}));
    EXPECT_EQ(Frames(cycle, 0, 2, true, 4), (std::vector<int>{1, 0, 1, 0}));
}

TEST(TrayFrameCycle, FewerThanTwoPicturesStayAtTheFirst) {
    TTrayFrameCycle cycle;
    EXPECT_EQ(Frames(cycle, 0, 1, false, 2), (std::vector<int>{0, 0}));
    EXPECT_EQ(Frames(cycle, 5, 0, true, 2), (std::vector<int>{0, 0}));
}

TEST(TrayTip, TheShortPartOfTheHintCutToTheShellsRecord) {
    EXPECT_EQ(TrayTipText(L"Player|Plays movies", true), L"Player");
    EXPECT_EQ(TrayTipText(L"", true), L"");
    std::wstring longHint(200, L'x');
    EXPECT_EQ(TrayTipText(longHint, true).size(), 127u);
    EXPECT_EQ(TrayTipText(longHint, false).size(), 63u);
    EXPECT_EQ(TrayHintForShell(L"a\r\nb\r\n\r\nc", false), L"a - b -  - c");
    EXPECT_EQ(TrayHintForShell(L"a\r\nb", true), L"a\r\nb");
}

TEST(TrayRequest, ABusyShellIsAskedAgainOnceASecond) {
    ScriptedShell shell;
    shell.Answers = {false, false, false, true}; // add fails; then modify fails, add fails; modify succeeds
    EXPECT_TRUE(SendTrayRequest(R::Add, true, shell.Calls()));
    EXPECT_EQ(shell.Sent, (std::vector<R>{R::Add, R::Modify, R::Add, R::Modify}));
    EXPECT_EQ(shell.Waited, 2000u);

    ScriptedShell again;
    again.Error = 1460; // a time-out counts as busy too
    again.Answers = {false, false, true};
    EXPECT_TRUE(SendTrayRequest(R::Add, true, again.Calls()));
    EXPECT_EQ(again.Sent, (std::vector<R>{R::Add, R::Modify, R::Add}));
}

TEST(TrayRequest, ADeleteIsDoneWhenTheIconCannotBeModified) {
    ScriptedShell shell;
    shell.Answers = {false, false};
    EXPECT_TRUE(SendTrayRequest(R::Delete, true, shell.Calls()));
    EXPECT_EQ(shell.Sent, (std::vector<R>{R::Delete, R::Modify}));

    ScriptedShell modify;
    modify.Answers = {false, false, true};
    EXPECT_TRUE(SendTrayRequest(R::Modify, true, modify.Calls()));
    EXPECT_EQ(modify.Sent, (std::vector<R>{R::Modify, R::Modify, R::Modify}));
}

TEST(TrayRequest, GivesUpAfterThirtyOneRetriesOrAtOnceOnARealError) {
    ScriptedShell busy;
    EXPECT_FALSE(SendTrayRequest(R::Add, true, busy.Calls()));
    EXPECT_EQ(busy.Sent.size(), 1u + 31 * 2);
    EXPECT_EQ(busy.Waited, 31000u);

    ScriptedShell refused;
    refused.Error = 5;
    EXPECT_FALSE(SendTrayRequest(R::Add, true, refused.Calls()));
    EXPECT_EQ(refused.Sent.size(), 1u);

    ScriptedShell noRetry;
    EXPECT_FALSE(SendTrayRequest(R::Add, false, noRetry.Calls()));
    EXPECT_EQ(noRetry.Sent.size(), 1u);
    EXPECT_EQ(noRetry.Waited, 0u);
}

} // namespace controls
