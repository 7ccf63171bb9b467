#include "../ScriptHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;
namespace op = swf::action;

swfw::MovieWriter Movie() { return swfw::MovieWriter(8, {0, 2000, 0, 2000}, 12); }

// Calls `object.method(args...)` (arguments pushed last first) and traces the result.
void TraceCall(ActionAssembler& a, const std::string& object, const std::string& method,
               const std::vector<double>& args = {}) {
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        a.Push(*it);
    a.Push(double(args.size()))
        .Push(object)
        .Op(op::GetVariable)
        .Push(method)
        .Op(op::CallMethod)
        .Op(op::Trace);
}

void Place(swfw::MovieWriter& w, uint16_t depth, uint16_t id, const std::string& name,
           const std::vector<std::pair<uint32_t, ActionAssembler>>& handlers = {}) {
    swfw::Place p;
    p.Depth = depth;
    p.CharacterId = id;
    if (!name.empty())
        p.Name = name;
    w.Tag(swfw::code::PlaceObject2, handlers.empty()
                                        ? swfw::PlaceObject2Body(p)
                                        : swfw::WithClipActions(swfw::PlaceObject2Body(p), handlers, 8));
}

void Remove(swfw::MovieWriter& w, uint16_t depth) {
    w.Tag(swfw::code::RemoveObject2, swfw::RemoveObject2Body(depth));
}

ActionAssembler Say(const std::string& text) {
    ActionAssembler a;
    a.Trace(text);
    return a;
}

TEST(ClipDepths, ScriptDepthsWrapAndStayInTheirRange) {
    auto w = Movie();
    ActionAssembler a;
    // createEmptyMovieClip("c", 2^32 + 1) lands at depth 1.
    a.Push(4294967297.0).Push("c").Push(2.0).Push("_root").Op(op::GetVariable);
    a.Push("createEmptyMovieClip").Op(op::CallMethod).Op(op::Pop);
    TraceCall(a, "c", "getDepth");
    TraceCall(a, "c", "swapDepths", {2130690044});
    TraceCall(a, "c", "getDepth");
    TraceCall(a, "_root", "getNextHighestDepth");
    TraceCall(a, "c", "swapDepths", {2130690045}); // past the top: no change
    TraceCall(a, "c", "getDepth");
    TraceCall(a, "c", "swapDepths", {-16385}); // below the bottom: no change
    TraceCall(a, "c", "getDepth");
    TraceCall(a, "c", "swapDepths", {-16384});
    TraceCall(a, "c", "getDepth");
    TraceCall(a, "_root", "getNextHighestDepth");
    DoAction(w, a);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines,
              (Lines{"1", "undefined", "2130690044", "2130690045", "undefined", "2130690044", "undefined",
                     "2130690044", "undefined", "-16384", "0"}));
}

TEST(ClipNames, UnnamedObjectsAreNumberedAndNamedShapesNameTheirTimeline) {
    auto w = Movie();
    swfw::ShapeBuilder shape;
    shape.MoveTo(0, 0);
    shape.LineTo(20, 0);
    shape.LineTo(0, 20);
    shape.LineTo(0, 0);
    w.Tag(swfw::code::DefineShape3, swfw::ShapeBody(1, 3, {0, 20, 0, 20}, shape));
    DefineScriptedSprite(w, 2, {ActionAssembler()});
    Place(w, 1, 2, "");
    Place(w, 2, 1, "square");
    Place(w, 3, 2, "named");
    Place(w, 4, 2, "");
    ActionAssembler a;
    a.TraceVariable("instance1._name").TraceVariable("instance2._target").TraceVariable("square");
    DoAction(w, a);
    w.ShowFrame();
    // Named objects take no number.
    EXPECT_EQ(RunMovie(w.Build()).Lines, (Lines{"instance1", "/instance2", "_level0"}));
}

TEST(ClipUnload, RemovedClipsWithUnloadHandlersStayUntilTheNextFrame) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {ActionAssembler()});
    Place(w, 1, 1, "plain");
    Place(w, 2, 1, "handled", {{swf::script::clipevent::Unload, Say("unload")}});
    w.ShowFrame();
    Remove(w, 1);
    Remove(w, 2);
    ActionAssembler second;
    second.Trace("frame 2").TraceVariable("plain");
    TraceCall(second, "handled", "getDepth");
    DoAction(w, second);
    w.ShowFrame();
    ActionAssembler third;
    third.TraceVariable("handled").Op(op::Stop);
    DoAction(w, third);
    w.ShowFrame();
    // Removals ahead of the frame's actions unload first; the clip waits
    // below the file's depths (list depth -3) until the next frame.
    EXPECT_EQ(RunMovie(w.Build(), 3).Lines, (Lines{"unload", "frame 2", "undefined", "-16387", "undefined"}));
}

TEST(ClipUnload, RemoveMovieClipRunsOnUnloadAfterTheScript) {
    auto w = Movie();
    ActionAssembler a;
    a.Push(1.0).Push("c").Push(2.0).Push("_root").Op(op::GetVariable);
    a.Push("createEmptyMovieClip").Op(op::CallMethod).Op(op::Pop);
    a.Push("c").Op(op::GetVariable).Push("onUnload");
    ActionAssembler body = Say("onUnload");
    a.DefineFunction("", {}, body).Op(op::SetMember);
    a.Push(0.0).Push("c").Op(op::GetVariable).Push("removeMovieClip").Op(op::CallMethod).Op(op::Pop);
    a.Trace("after");
    DoAction(w, a);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines, (Lines{"after", "onUnload"}));
}

TEST(ClipCalls, AFunctionCalledByNameRunsOnTheObjectItWasFoundIn) {
    auto w = Movie();
    ActionAssembler a;
    // with (_root) getNextHighestDepth() needs its clip as `this`.
    a.Push(0.0).Push("getNextHighestDepth").Op(op::CallFunction).Op(op::Trace);
    a.Push(0.0).Push("_root.getNextHighestDepth").Op(op::CallFunction).Op(op::Trace);
    DoAction(w, a);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines, (Lines{"0", "0"}));
}

} // namespace
