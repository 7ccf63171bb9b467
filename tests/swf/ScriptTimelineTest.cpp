#include "RenderHelpers.h"
#include "ScriptHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;

swfw::MovieWriter Movie() { return swfw::MovieWriter(8, {0, 2000, 0, 2000}, 12); }

std::vector<uint8_t> Label(const std::string& name) {
    std::vector<uint8_t> body(name.begin(), name.end());
    body.push_back(0);
    return body;
}

ActionAssembler Say(const std::string& text) {
    ActionAssembler a;
    a.Trace(text);
    return a;
}

TEST(ScriptFrames, StopHoldsTheFrameAndGotoRunsOnlyTheTargetsActions) {
    auto w = Movie();
    DoAction(w, Say("frame 1"));
    w.ShowFrame();
    ActionAssembler second = Say("frame 2");
    second.Op(swf::action::Stop);
    DoAction(w, second);
    w.ShowFrame();
    DoAction(w, Say("frame 3"));
    w.Tag(swfw::code::FrameLabel, Label("end"));
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build(), 5).Lines, (Lines{"frame 1", "frame 2"}));

    auto jump = Movie();
    ActionAssembler first = Say("frame 1");
    first.GotoLabel("end").Op(swf::action::Stop);
    DoAction(jump, first);
    jump.ShowFrame();
    DoAction(jump, Say("frame 2"));
    jump.ShowFrame();
    DoAction(jump, Say("frame 3"));
    jump.Tag(swfw::code::FrameLabel, Label("END")); // labels ignore case
    jump.ShowFrame();
    EXPECT_EQ(RunMovie(jump.Build(), 3).Lines, (Lines{"frame 1", "frame 3"}));
}

TEST(ScriptFrames, ParentActionsRunBeforeANewChildsAndChildrenMoveOnFirst) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {Say("child 1"), Say("child 2")});
    PlaceNamed(w, 1, 1, "kid");
    DoAction(w, Say("root 1"));
    w.ShowFrame();
    DoAction(w, Say("root 2"));
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build(), 2).Lines, (Lines{"root 1", "child 1", "child 2", "root 2"}));
}

TEST(ScriptFrames, InitActionsRunOnceBeforeTheFramesActions) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {ActionAssembler()});
    DoAction(w, Say("frame"));
    std::vector<uint8_t> init{1, 0};
    std::vector<uint8_t> code = Say("init").Bytes();
    init.insert(init.end(), code.begin(), code.end());
    w.Tag(swf::tagcode::DoInitAction, init);
    w.ShowFrame();
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build(), 4).Lines, (Lines{"init", "frame", "frame"}));
}

TEST(ScriptFrames, ClipEventsRunAtLoadAndEveryFrame) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {Say("child frame")});
    swfw::Place p;
    p.Depth = 1;
    p.CharacterId = 1;
    p.Name = "kid";
    ActionAssembler load = Say("load"), enter;
    enter.Push("this").Op(swf::action::GetVariable).Op(swf::action::Trace);
    w.Tag(swfw::code::PlaceObject2,
          swfw::WithClipActions(
              swfw::PlaceObject2Body(p),
              {{swf::script::clipevent::Load, load}, {swf::script::clipevent::EnterFrame, enter}}, 8));
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build(), 3).Lines, (Lines{"load", "child frame", "_level0.kid", "_level0.kid"}));
}

TEST(ScriptPaths, TargetsVariablesAndPropertiesOfClips) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {Say("")});
    PlaceNamed(w, 1, 1, "kid");
    ActionAssembler a;
    a.Push("/kid:v").Push("slash").Op(swf::action::SetVariable);
    a.TraceVariable("kid.v");
    a.SetTarget("kid");
    a.Push("").Push(11.0).Op(swf::action::GetProperty).Op(swf::action::Trace); // _target
    a.TraceVariable("v");
    a.TraceVariable("_parent.kid._name");
    a.SetTarget("");
    a.Push("kid").Push(0.0).Push(12.5).Op(swf::action::SetProperty); // _x
    a.Push("kid").Op(swf::action::GetVariable).Push("_x").Op(swf::action::GetMember).Op(swf::action::Trace);
    a.Push("kid").Op(swf::action::GetVariable).Op(swf::action::TypeOf).Op(swf::action::Trace);
    DoAction(w, a);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines, (Lines{"slash", "/kid", "slash", "kid", "12.5", "movieclip", ""}));
}

TEST(ScriptClips, ScriptsCreateDuplicateAndRemoveClips) {
    auto w = Movie();
    ActionAssembler a;
    // _root.createEmptyMovieClip("box", 5); trace(box.getDepth());
    a.Push(5.0).Push("box").Push(2.0).Push("_root").Op(swf::action::GetVariable);
    a.Push("createEmptyMovieClip").Op(swf::action::CallMethod).Op(swf::action::Trace);
    a.Push(0.0).Push("box").Op(swf::action::GetVariable).Push("getDepth").Op(swf::action::CallMethod);
    a.Op(swf::action::Trace);
    a.Push(0.0).Push("box").Op(swf::action::GetVariable).Push("removeMovieClip").Op(swf::action::CallMethod);
    a.Push("box").Op(swf::action::GetVariable).Op(swf::action::TypeOf).Op(swf::action::Trace);
    DoAction(w, a);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines, (Lines{"_level0.box", "5", "undefined"}));
}

} // namespace

namespace {

using namespace testing_swf;

TEST(ScriptInput, MouseAndKeysReachClipEventsListenersAndProperties) {
    auto w = swfw::MovieWriter(8, {0, 2000, 0, 2000}, 12);
    DefineScriptedSprite(w, 1, {ActionAssembler()});
    swfw::Place p;
    p.Depth = 1;
    p.CharacterId = 1;
    p.Name = "kid";
    p.Matrix = swfw::Transform{1, 0, 0, 1, 200, 400}; // at (10, 20) pixels
    ActionAssembler down, key;
    down.Trace("down").Push("_xmouse").Op(swf::action::GetVariable).Op(swf::action::Trace);
    key.Push(0.0).Push("Key").Op(swf::action::GetVariable).Push("getCode").Op(swf::action::CallMethod);
    key.Op(swf::action::Trace);
    w.Tag(swfw::code::PlaceObject2,
          swfw::WithClipActions(
              swfw::PlaceObject2Body(p),
              {{swf::script::clipevent::MouseDown, down}, {swf::script::clipevent::KeyDown, key}}, 8));
    // A Key listener: Key.addListener({onKeyUp: function () { trace("up " + Key.isDown(65)); }})
    ActionAssembler onUp;
    onUp.Push("up ").Push(65.0).Push(1.0).Push("Key").Op(swf::action::GetVariable).Push("isDown");
    onUp.Op(swf::action::CallMethod).Op(swf::action::Add2).Op(swf::action::Trace);
    ActionAssembler listen;
    listen.Push("onKeyUp").DefineFunction("", {}, onUp).Push(1.0).Op(swf::action::InitObject);
    listen.Push(1.0).Push("Key").Op(swf::action::GetVariable).Push("addListener").Op(swf::action::CallMethod);
    listen.Op(swf::action::Pop);
    DoAction(w, listen);
    w.ShowFrame();

    std::vector<std::string> lines;
    swf::Player player;
    player.OnTrace = [&lines](const std::string& line) { lines.push_back(line); };
    player.Load(w.Build());
    player.MouseMove(60, 30, 100, 100); // the 100-pixel stage fills the view
    player.MouseDown();
    player.KeyDown(65, 'a');
    player.KeyUp(65);
    EXPECT_EQ(lines, (std::vector<std::string>{"down", "50", "65", "up false"}));
}

} // namespace

namespace {

TEST(ScriptDisplay, VisibleAndPositionSetByScriptsAreDrawn) {
    auto w = testing_swf::Stage(40, 20);
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(1, 0, 0, 10, 10, {255, 0, 0, 255}));
    swfw::MovieWriter square(8, {}, 12);
    testing_swf::PlaceAt(square, 1, 1);
    square.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(2, square));
    testing_swf::PlaceNamed(w, 1, 2, "a");
    testing_swf::PlaceNamed(w, 2, 2, "b");
    ActionAssembler a;
    a.Push("a").Op(swf::action::GetVariable).Push("_visible").PushBool(false).Op(swf::action::SetMember);
    a.Push("b").Op(swf::action::GetVariable).Push("_x").Push(20.0).Op(swf::action::SetMember);
    testing_swf::DoAction(w, a);
    w.ShowFrame();
    swf::Player player;
    player.Load(w.Build());
    testing_swf::Frame f = testing_swf::Render(player);
    EXPECT_EQ(f.At(5, 5), 0xffffffffu); // a is hidden, b has moved away
    EXPECT_EQ(f.At(25, 5), 0xffff0000u);
}

} // namespace
