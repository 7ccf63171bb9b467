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

TEST(Paths, DotsAfterASlashBelongToTheNamesAndColonsSeparate) {
    ActionAssembler a;
    MakeClip(a, "unused", "a", 1);
    a.Push(1.0).Push("b").Push(2.0).Push("a").Op(op::GetVariable).Push("createEmptyMovieClip");
    a.Op(op::CallMethod).Op(op::Pop);
    a.Push(1.0).Push("c").Push(2.0).Push("a.b").Op(op::GetVariable).Push("createEmptyMovieClip");
    a.Op(op::CallMethod).Op(op::Pop);
    a.Push("a.b.c.x").Push(1.0).Op(op::SetVariable);
    a.TraceVariable("a/b.c.x").TraceVariable("a:b.c:x").TraceVariable("a.b/c.x").TraceVariable("/a/b/c:x");
    EXPECT_EQ(Traces(a), (Lines{"undefined", "1", "1", "1"}));
}

TEST(Paths, TargetPathNamesClipsAndTextFields) {
    ActionAssembler a;
    MakeClip(a, "clip", "c", 1);
    a.Push(10.0).Push(10.0).Push(0.0).Push(0.0).Push(2.0).Push("field").Push(6.0).Push("clip");
    a.Op(op::GetVariable).Push("createTextField").Op(op::CallMethod).Op(op::Pop);
    for (const char* name : {"clip", "clip.field", "unset"})
        a.Push(name).Op(op::GetVariable).Op(op::TargetPath).Op(op::Trace);
    a.Push("clip").Op(op::TargetPath).Op(op::Trace);
    EXPECT_EQ(Traces(a), (Lines{"_level0.c", "_level0.c.field", "undefined", "undefined"}));
}

TEST(Paths, AnUnfoundTargetIsTheRootUpToSwf6) {
    swfw::MovieWriter w(6, {0, 2000, 0, 2000}, 12);
    ActionAssembler frame;
    frame.SetTarget("nothing").Push("where").Push("unfound").Op(op::SetVariable).SetTarget("");
    DefineScriptedSprite(w, 2, {frame});
    PlaceNamed(w, 1, 2, "s");
    w.ShowFrame();
    ActionAssembler second;
    second.Op(op::Stop).TraceVariable("where").TraceVariable("s.where");
    DoAction(w, second);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build(), 2).Lines, (Lines{"unfound", "undefined"}));
}

TEST(Scopes, WithTextReadsItsLengthAndClipsSeeGlobal) {
    ActionAssembler a;
    ActionAssembler body;
    body.TraceVariable("length");
    a.Push("STRING").With(body);
    MakeClip(a, "clip", "c", 1);
    a.Push("clip").Op(op::GetVariable).Push("_global").Op(op::GetMember);
    a.Push("_global").Op(op::GetVariable).Op(op::StrictEquals).Op(op::Trace);
    EXPECT_EQ(Traces(a), (Lines{"6", "true"}));
}

TEST(Clips, InstancesAtDepthsAndTheFirstOfTwoExportsOfAName) {
    auto w = Movie();
    DefineScriptedSprite(w, 2, {ActionAssembler()});
    DefineScriptedSprite(w, 3, {ActionAssembler(), ActionAssembler()});
    w.Tag(swf::tagcode::ExportAssets, std::vector<uint8_t>{1, 0, 2, 0, 'x', 0});
    w.Tag(swf::tagcode::ExportAssets, std::vector<uint8_t>{1, 0, 3, 0, 'x', 0});
    ActionAssembler a;
    a.Push(5.0).Push("m").Push("x").Push(3.0).Push("_root").Op(op::GetVariable).Push("attachMovie");
    a.Op(op::CallMethod).Op(op::Pop).TraceVariable("m._totalframes");
    for (double depth : {5.0, 6.0})
        a.Push(depth)
            .Push(1.0)
            .Push("_root")
            .Op(op::GetVariable)
            .Push("getInstanceAtDepth")
            .Op(op::CallMethod)
            .Op(op::Trace);
    DoAction(w, a);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines, (Lines{"1", "_level0.m", "undefined"}));
}

TEST(Clips, LockRootMakesAClipTheRootOfWhatIsInIt) {
    ActionAssembler a;
    MakeClip(a, "c", "c", 1);
    a.Push(1.0).Push("d").Push(2.0).Push("c").Op(op::GetVariable).Push("createEmptyMovieClip");
    a.Op(op::CallMethod).Op(op::Pop);
    a.TraceVariable("c._lockroot").TraceVariable("c.d._root");
    a.Push("c").Op(op::GetVariable).Push("_lockroot").Push("yes").Op(op::SetMember);
    a.TraceVariable("c._lockroot").TraceVariable("c.d._root").TraceVariable("c._root").TraceVariable("_root");
    a.Push("c").Op(op::GetVariable).Push("_lockroot").Push(0.0).Op(op::SetMember);
    a.TraceVariable("c._lockroot").TraceVariable("c.d._root");
    EXPECT_EQ(Traces(a),
              (Lines{"false", "_level0", "true", "_level0.c", "_level0.c", "_level0", "false", "_level0"}));
}

// object name = { key: value } on top of the stack.
void PushObject(ActionAssembler& a, const std::string& key, const std::string& value) {
    a.Push(key).Push(value).Push(1.0).Op(op::InitObject);
}

TEST(Paths, TheFirstNameIsLookedForAlongTheScopeChain) {
    ActionAssembler a;
    // _global.a = {b: {c: "global"}}; a = {b: "this"}
    a.Push("_global").Op(op::GetVariable).Push("a").Push("b");
    PushObject(a, "c", "global");
    a.Push(1.0).Op(op::InitObject).Op(op::SetMember);
    a.Push("a");
    PushObject(a, "b", "this");
    a.Op(op::SetVariable);
    a.TraceVariable("a.b.c").TraceVariable("a.b");
    ActionAssembler body;
    body.Push("a");
    PushObject(body, "b", "local");
    body.Op(op::DefineLocal).TraceVariable("a.b");
    a.DefineFunction("f", {}, body).Push(0.0).Push("f").Op(op::CallFunction).Op(op::Pop);
    a.Push("a.b.c").Push("changed").Op(op::SetVariable);
    a.TraceVariable("_global.a.b.c");
    EXPECT_EQ(Traces(a), (Lines{"global", "this", "local", "changed"}));
}

TEST(Scopes, AFramesVarFollowsItsPathAndKeepsWhatIsThere) {
    ActionAssembler a;
    a.Push("/:abc").Push("ABC").Op(op::DefineLocal).TraceVariable("_root.abc");
    a.Push("x").Push(5.0).Op(op::SetVariable).Push("x").Op(op::DefineLocal2).TraceVariable("x");
    a.Push("/:fresh").Op(op::DefineLocal2);
    a.Push(1.0).Push("fresh").Push(1.0).Push("_root").Op(op::GetVariable).Push("hasOwnProperty");
    a.Op(op::CallMethod).Op(op::Trace);
    // A function's var takes the name as it is.
    ActionAssembler body;
    body.Push("_root.v").Push("local").Op(op::DefineLocal).TraceVariable("_root.v");
    a.DefineFunction("f", {}, body).Push(0.0).Push("f").Op(op::CallFunction).Op(op::Pop);
    EXPECT_EQ(Traces(a), (Lines{"ABC", "5", "true", "undefined"}));
}
