#include "ui/Action.h"

#include <gtest/gtest.h>

namespace {

struct RecordingView : ui::ActionView {
    int Changes = 0;
    void ActionChanged(const ui::Action&) override { ++Changes; }
};

TEST(Action, ExecuteFlipsTheCheckFirstThenRunsTheHandler) {
    ui::Action a(L"EscFull");
    a.AutoCheck = true;
    bool checkedInHandler = false;
    a.OnExecute = [&] { checkedInHandler = a.Checked(); };
    EXPECT_TRUE(a.Execute());
    EXPECT_TRUE(checkedInHandler);
    EXPECT_TRUE(a.Execute());
    EXPECT_FALSE(a.Checked());
}

TEST(Action, DisabledOrHandlerlessActionsDoNothingButTheCheck) {
    ui::Action a(L"Cmd");
    a.AutoCheck = true;
    int runs = 0;
    a.OnExecute = [&] { ++runs; };
    a.SetEnabled(false);
    EXPECT_FALSE(a.Execute());
    EXPECT_FALSE(a.Checked());
    EXPECT_EQ(runs, 0);

    ui::Action flag(L"SaveShowLibrary");
    flag.AutoCheck = true;
    EXPECT_FALSE(flag.Execute()); // no handler: only the check flips
    EXPECT_TRUE(flag.Checked());
}

TEST(Action, ViewsFollowChangesAndSettingCheckedRunsNoHandler) {
    ui::Action a(L"Cmd");
    RecordingView view;
    a.AddView(view);
    int runs = 0;
    a.OnExecute = [&] { ++runs; };
    a.SetChecked(true);
    a.SetChecked(true); // no change, no notice
    a.SetEnabled(false);
    a.SetVisible(false);
    EXPECT_EQ(view.Changes, 3);
    EXPECT_EQ(runs, 0);
    a.RemoveView(view);
    a.SetChecked(false);
    EXPECT_EQ(view.Changes, 3);

    ui::ActionList list;
    list.Add(L"Open").Caption = L"Открыть";
    EXPECT_EQ(list.Find(L"Open")->Caption, L"Открыть");
    EXPECT_EQ(list.Find(L"Close"), nullptr);
}

} // namespace
