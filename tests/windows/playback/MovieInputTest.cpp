// The player control hands the mouse and the keys to the movie: a click on
// a button in the movie runs the button's actions, the pointer shows the
// hand over it, the window's shortcut keys still reach their commands while
// the view has the focus, and a script the engine stops is reported in the
// error box while the movie goes on.
#include "MovieFile.h"
#include "TestWindows.h"

#include "playback/ShockwaveFlash.h"
#include "swf/Button.h"
#include "swf/script/ActionCodes.h"
#include "swfwriter/ActionAssembler.h"
#include "swfwriter/ShapeBuilder.h"
#include "swfwriter/TagBodies.h"
#include "ui/Action.h"
#include "ui/Application.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

namespace {

namespace act = swf::action;

using testing_support::MovieFile;

std::vector<uint8_t> SquareShape(uint16_t id, swfw::Rgba color) {
    swfw::ShapeBuilder s;
    s.Styles(0, s.SolidFill(color), 0);
    s.MoveTo(0, 0);
    s.LineTo(2000, 0);
    s.LineTo(2000, 2000);
    s.LineTo(0, 2000);
    s.LineTo(0, 0);
    return swfw::ShapeBody(id, 3, {0, 2000, 0, 2000}, s);
}

// A 200 x 200 pixel stage of three halted frames; a button in its top-left
// quarter whose release shows the second frame, and whatever the first
// frame's script does besides.
std::vector<uint8_t> ButtonMovie(const swfw::ActionAssembler& frameScript = {}) {
    swfw::MovieWriter w(8, {0, 4000, 0, 4000}, 20);
    w.Tag(swfw::code::DefineShape3, SquareShape(1, {255, 0, 0, 255}));
    swfw::ActionAssembler release;
    release.GotoFrame(1);
    w.Tag(swfw::code::DefineButton2,
          swfw::Button2Body(2, {{15, 1, 1, {}}}, {{swf::buttoncond::Release, release.Code()}}));
    swfw::Place button;
    button.Depth = 1;
    button.CharacterId = 2;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(button));
    swfw::ActionAssembler script = frameScript;
    script.Op(act::Stop);
    w.Tag(swfw::code::DoAction, script.Bytes());
    w.ShowFrame();
    for (int i = 0; i < 2; ++i) {
        w.Tag(swfw::code::DoAction, swfw::ActionAssembler().Op(act::Stop).Bytes());
        w.ShowFrame();
    }
    return w.Build();
}

struct ViewOnForm {
    ui::Form Form;
    ui::ActionList Actions;
    playback::TShockwaveFlash& Flash = Form.Add<playback::TShockwaveFlash>();
    ViewOnForm() {
        Form.SetBounds({10, 10, 260, 260});
        Flash.SetBounds({0, 0, 200, 200});
        Form.Actions = &Actions;
        Form.ShowMain();
        ui::App().SetMainForm(&Form); // the loop serves its shortcuts
        testing_support::PumpMessagesFor(50);
    }
    ~ViewOnForm() { ui::App().SetMainForm(nullptr); }
    void Send(UINT msg, WPARAM wp, int x, int y) { SendMessageW(Flash.Handle(), msg, wp, MAKELPARAM(x, y)); }
};

TEST(MovieInput, AClickOnAButtonRunsItsActionsAndThePointerShowsTheHand) {
    MovieFile movie(ButtonMovie());
    ViewOnForm v;
    v.Flash.SetMovie(movie.Path());
    v.Send(WM_MOUSEMOVE, 0, 150, 150);
    v.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(v.Flash.Handle()), HTCLIENT, WM_MOUSEMOVE);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    v.Send(WM_MOUSEMOVE, 0, 50, 50);
    v.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(v.Flash.Handle()), HTCLIENT, WM_MOUSEMOVE);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    v.Send(WM_LBUTTONDOWN, MK_LBUTTON, 50, 50);
    EXPECT_EQ(GetCapture(), v.Flash.Handle()); // the release comes back here, wherever it is
    EXPECT_EQ(GetFocus(), v.Flash.Handle());
    v.Send(WM_LBUTTONUP, 0, 50, 50);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(v.Flash.CurrentFrame(), 1);
    EXPECT_TRUE(testing_support::RecordedErrors().empty());
}

TEST(MovieInput, ShortcutKeysReachTheCommandsWhileTheViewHasTheFocus) {
    // A key the movie hears shows the third frame.
    swfw::ActionAssembler onKey, listen;
    onKey.GotoFrame(2);
    listen.Push("onKeyDown").DefineFunction("", {}, onKey).Push(1.0).Op(act::InitObject);
    listen.Push(1.0).Push("Key").Op(act::GetVariable).Push("addListener").Op(act::CallMethod).Op(act::Pop);
    MovieFile movie(ButtonMovie(listen));
    ViewOnForm v;
    int fullScreen = 0, escape = 0;
    ui::Action& f11 = v.Actions.Add(L"FullScreen");
    f11.Shortcut = VK_F11;
    f11.OnExecute = [&] { ++fullScreen; };
    ui::Action& esc = v.Actions.Add(L"Escape");
    esc.Shortcut = VK_ESCAPE;
    esc.OnExecute = [&] { ++escape; };
    v.Flash.SetMovie(movie.Path());
    SetActiveWindow(v.Form.Handle());
    v.Flash.SetFocus();
    ASSERT_EQ(GetFocus(), v.Flash.Handle());
    for (WPARAM key : {WPARAM(VK_F11), WPARAM(VK_ESCAPE)}) {
        MSG m{v.Flash.Handle(), WM_KEYDOWN, key, 0, 0, {}};
        ui::App().Dispatch(m);
    }
    EXPECT_EQ(fullScreen, 1);
    EXPECT_EQ(escape, 1);
    EXPECT_EQ(v.Flash.CurrentFrame(), 0);
    // Other keys are the movie's.
    MSG a{v.Flash.Handle(), WM_KEYDOWN, 'A', 0, 0, {}};
    ui::App().Dispatch(a);
    EXPECT_EQ(v.Flash.CurrentFrame(), 2);
}

TEST(MovieInput, AStoppedScriptIsReportedAfterItsFrameAndTheMovieGoesOn) {
    // function f() { f(); } f(); in the first frame: the engine stops it.
    swfw::ActionAssembler body, deep;
    body.Push(0.0).Push("f").Op(act::CallFunction);
    deep.DefineFunction("f", {}, body).Push(0.0).Push("f").Op(act::CallFunction).Op(act::Pop);
    MovieFile movie(ButtonMovie(deep));
    ViewOnForm v;
    v.Flash.SetMovie(movie.Path());
    EXPECT_TRUE(testing_support::RecordedErrors().empty()); // not from inside the frame
    testing_support::PumpMessagesFor(100);
    ASSERT_EQ(testing_support::RecordedErrors().size(), 1u);
    EXPECT_NE(testing_support::RecordedErrors()[0].Text.find(L"recursion"), std::wstring::npos);
    testing_support::RecordedErrors().clear();
    // The button still works.
    v.Send(WM_MOUSEMOVE, 0, 50, 50);
    v.Send(WM_LBUTTONDOWN, MK_LBUTTON, 50, 50);
    v.Send(WM_LBUTTONUP, 0, 50, 50);
    EXPECT_EQ(v.Flash.CurrentFrame(), 1);
}

} // namespace
