#include "TestWindows.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using testing_support::PumpMessagesFor;
using testing_support::RecordedErrors;

TEST(Framework, HandlerExceptionsReachTheErrorBoxAndTheProgramGoesOn) {
    ui::Timer timer;
    int ticks = 0;
    timer.SetInterval(10);
    timer.OnTimer = [&] {
        ++ticks;
        throw std::runtime_error("Файл не найден");
    };
    timer.SetEnabled(true);
    PumpMessagesFor(100);
    timer.SetEnabled(false);
    ASSERT_GE(ticks, 2); // still ticking after the first failure
    ASSERT_EQ(RecordedErrors().size(), static_cast<size_t>(ticks));
    EXPECT_EQ(RecordedErrors()[0].Text, L"Файл не найден.");
    EXPECT_EQ(RecordedErrors()[0].Caption, L"KorvalenFlashPlayer *08");
}

TEST(Framework, AFailingCloseHandlerStillLetsTheWindowClose) {
    ui::Form form;
    form.SetBounds({10, 10, 300, 200});
    form.OnClose = [] { throw std::runtime_error("File access denied"); };
    HWND window = form.Handle();
    ShowWindow(window, SW_SHOW);
    form.Close();
    EXPECT_FALSE(IsWindow(window));
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].Text, L"File access denied.");
}

TEST(Framework, ShowHandlerRunsOncePerShowNotOnRestyling) {
    ui::Form form;
    form.SetBounds({10, 10, 300, 200});
    int shows = 0;
    form.OnShow = [&] { ++shows; };
    form.ShowMain();
    EXPECT_EQ(shows, 1);
    form.SetBorderStyle(ui::BorderStyle::None);
    form.SetStayOnTop(true);
    form.SetBorderStyle(ui::BorderStyle::Sizeable);
    EXPECT_EQ(shows, 1);
    ShowWindow(form.Handle(), SW_HIDE);
    ShowWindow(form.Handle(), SW_SHOW);
    EXPECT_EQ(shows, 2);
}

TEST(Framework, LabelsSizeToTheirTextAndAlignedPanelsFillTheirParent) {
    ui::Form form;
    form.SetBounds({10, 10, 400, 300});
    auto& top = form.Add<ui::Panel>();
    top.SetBounds({0, 0, 10, 40});
    top.SetAlign(ui::Align::Top);
    auto& rest = form.Add<ui::Panel>();
    rest.SetAlign(ui::Align::Client);
    auto& label = rest.Add<ui::Label>();
    form.Handle();
    EXPECT_EQ(top.GetBounds(), (ui::Bounds{0, 0, form.ClientWidth(), 40}));
    EXPECT_EQ(rest.GetBounds(), (ui::Bounds{0, 40, form.ClientWidth(), form.ClientHeight() - 40}));
    label.SetCaption(L"1/10");
    int shortWidth = label.Width();
    label.SetCaption(L"100/1000");
    EXPECT_GT(shortWidth, 0);
    EXPECT_GT(label.Width(), shortWidth);
    EXPECT_GT(label.Height(), 0);
}

} // namespace
