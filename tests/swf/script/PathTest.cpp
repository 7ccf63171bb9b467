#include "../ScriptHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;
namespace op = swf::action;

swfw::MovieWriter Movie() { return swfw::MovieWriter(8, {0, 2000, 0, 2000}, 12); }

// name = createEmptyMovieClip(clip, depth) on the root.
void MakeClip(ActionAssembler& a, const std::string& variable, const std::string& clip, double depth) {
    a.Push(variable).Push(depth).Push(clip).Push(2.0).Push("_root").Op(op::GetVariable);
    a.Push("createEmptyMovieClip").Op(op::CallMethod).Op(op::SetVariable);
}

void CallOn(ActionAssembler& a, const std::string& object, const std::string& method) {
    a.Push(0.0).Push(object).Op(op::GetVariable).Push(method).Op(op::CallMethod).Op(op::Pop);
}

void TraceTypeOf(ActionAssembler& a, const std::string& name) {
    a.Push(name).Op(op::GetVariable).Op(op::TypeOf).Op(op::Trace);
}

void Remove(swfw::MovieWriter& w, uint16_t depth) {
    w.Tag(swfw::code::RemoveObject2, swfw::RemoveObject2Body(depth));
}

TEST(RemovedClips, AReferenceFindsTheClipMadeAgainAtItsPath) {
    ActionAssembler a;
    MakeClip(a, "r", "c", 1);
    CallOn(a, "r", "removeMovieClip");
    // Nothing at the path: empty text, no properties, still a clip to typeof.
    a.Push("[").Push("r").Op(op::GetVariable).Op(op::Add2).Push("]").Op(op::Add2).Op(op::Trace);
    a.TraceVariable("r._x");
    TraceTypeOf(a, "r");
    a.Push("r").Op(op::GetVariable).Push("lost").Push(1.0).Op(op::SetMember);
    MakeClip(a, "unused", "c", 2);
    a.TraceVariable("r");
    // Variables set through the old reference land on the new clip.
    a.Push("r").Op(op::GetVariable).Push("v").Push(5.0).Op(op::SetMember);
    a.TraceVariable("c.v").TraceVariable("c.lost");
    EXPECT_EQ(Traces(a), (Lines{"[]", "undefined", "movieclip", "_level0.c", "5", "undefined"}));
}

TEST(RemovedClips, APathIsTheOneTheClipWasMadeAt) {
    ActionAssembler a;
    MakeClip(a, "r", "first", 1);
    a.Push("r").Op(op::GetVariable).Push("_name").Push("renamed").Op(op::SetMember);
    a.TraceVariable("r");
    CallOn(a, "r", "removeMovieClip");
    MakeClip(a, "unused", "renamed", 2);
    a.TraceVariable("r");
    MakeClip(a, "unused", "first", 3);
    a.TraceVariable("r");
    EXPECT_EQ(Traces(a), (Lines{"_level0.renamed", "", "_level0.first"}));
}

// Root frame 1 places sprite 2 ("s", running `frame`) and stops; frame 2
// removes it.
std::vector<uint8_t> RemovedBySecondFrame(const ActionAssembler& frame, const ActionAssembler& root = {}) {
    auto w = Movie();
    DefineScriptedSprite(w, 2, {frame});
    ActionAssembler stop;
    stop.Op(op::Stop);
    DoAction(w, stop);
    PlaceNamed(w, 1, 2, "s");
    w.ShowFrame();
    Remove(w, 1);
    if (!root.Code().empty())
        DoAction(w, root);
    w.ShowFrame();
    return w.Build();
}

TEST(RemovedClips, TheirScriptsStopAtTheNextCall) {
    // A call that removes the clip running the script stops the script.
    ActionAssembler byCall;
    byCall.Trace("start");
    byCall.Push(2.0)
        .Push(1.0)
        .Push("_parent")
        .Op(op::GetVariable)
        .Push("gotoAndStop")
        .Op(op::CallMethod)
        .Op(op::Pop);
    byCall.Trace("after");
    EXPECT_EQ(RunMovie(RemovedBySecondFrame(byCall)).Lines, (Lines{"start"}));

    // Removed by a plain action, it goes on up to its next call; calls on
    // nothing are no calls.
    ActionAssembler byGoto;
    byGoto.SetTarget("_root").GotoFrame(1).SetTarget("");
    byGoto.Trace("still");
    byGoto.Push(0.0).Push("nothing").Op(op::GetVariable).Push("f").Op(op::CallMethod).Op(op::Pop);
    byGoto.Trace("no call");
    byGoto.Push(0.0).Push("missing").Op(op::CallFunction).Op(op::Pop);
    byGoto.Trace("after");
    EXPECT_EQ(RunMovie(RemovedBySecondFrame(byGoto)).Lines, (Lines{"still", "no call"}));
}

TEST(RemovedClips, AFunctionOfTheClipStopsButItsCallerGoesOn) {
    ActionAssembler body;
    body.Trace("in");
    body.Push(0.0).Push("_root").Op(op::GetVariable).Push("nextFrame").Op(op::CallMethod).Op(op::Pop);
    body.Trace("after");
    ActionAssembler frame;
    frame.DefineFunction("go", {}, body);
    auto w = Movie();
    DefineScriptedSprite(w, 2, {frame});
    PlaceNamed(w, 1, 2, "s");
    w.ShowFrame();
    ActionAssembler root;
    root.Op(op::Stop);
    CallOn(root, "s", "go");
    root.Trace("caller");
    DoAction(w, root);
    w.ShowFrame();
    Remove(w, 1);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build(), 2).Lines, (Lines{"in", "caller"}));
}

TEST(RemovedClips, ScriptsOfARemovedClipAddressTheRoot) {
    ActionAssembler frame;
    frame.SetTarget("_root").GotoFrame(1).SetTarget("");
    frame.Push("where").Push("").Push(11.0).Op(op::GetProperty).Op(op::SetVariable);
    frame.TraceVariable("where").TraceVariable("rootVariable");
    ActionAssembler root;
    root.Push("rootVariable").Push("on the root").Op(op::SetVariable);
    auto w = Movie();
    DefineScriptedSprite(w, 2, {frame});
    DoAction(w, root);
    PlaceNamed(w, 1, 2, "s");
    w.ShowFrame();
    Remove(w, 1);
    ActionAssembler stop;
    stop.Op(op::Stop).TraceVariable("where");
    DoAction(w, stop);
    w.ShowFrame();
    // The variable set by the removed clip's script landed on the root.
    EXPECT_EQ(RunMovie(w.Build(), 2).Lines, (Lines{"/", "on the root", "/"}));
}

TEST(FrameCalls, CallRunsAFrameOfAClipOnItsTimeline) {
    auto w = Movie();
    ActionAssembler first;
    first.Op(op::Stop)
        .Push("2")
        .Record(op::Call, {})
        .Push("called")
        .Record(op::Call, {})
        .Push("_root:2")
        .Record(op::Call, {});
    first.Push("9").Record(op::Call, {}).Trace("done");
    DoAction(w, first);
    w.ShowFrame();
    w.Tag(swfw::code::FrameLabel, std::vector<uint8_t>{'c', 'a', 'l', 'l', 'e', 'd', 0});
    ActionAssembler second;
    second.Trace("frame 2").TraceVariable("_currentframe");
    DoAction(w, second);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines, (Lines{"frame 2", "1", "frame 2", "1", "frame 2", "1", "done"}));
}

TEST(FrameCalls, AFrameCallingItselfIsStopped) {
    auto w = Movie();
    ActionAssembler first;
    first.Op(op::Stop).Push("1").Record(op::Call, {});
    DoAction(w, first);
    w.ShowFrame();
    ScriptRun run = RunMovie(w.Build());
    EXPECT_EQ(run.Errors.size(), 1u);
}

TEST(Levels, LevelNamesReadTheirDigits) {
    ActionAssembler a;
    a.TraceVariable("_level0undefined").TraceVariable("_level0.x").TraceVariable("_level7");
    a.Push("x").Push(3.0).Op(op::SetVariable).TraceVariable("_LEVEL0:x");
    EXPECT_EQ(Traces(a, 6), (Lines{"_level0", "undefined", "undefined", "3"}));
}

} // namespace
