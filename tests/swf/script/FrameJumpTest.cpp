#include "../ScriptHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;
namespace op = swf::action;

swfw::MovieWriter Movie() { return swfw::MovieWriter(8, {0, 2000, 0, 2000}, 12); }

ActionAssembler& TraceCurrentFrame(ActionAssembler& a) {
    return a.Push("").Push(4.0).Op(op::GetProperty).Op(op::Trace);
}

void Label(swfw::MovieWriter& w, const std::string& label) {
    std::vector<uint8_t> body(label.begin(), label.end());
    body.push_back(0);
    w.Tag(swf::tagcode::FrameLabel, body);
}

TEST(FrameJumps, GotoArgumentsWrapReadLabelsAndStopAtTheEnd) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {ActionAssembler()});
    PlaceNamed(w, 1, 1, "s");
    ActionAssembler a;
    a.Push(4294967298.0).GotoFrame2(false); // wraps to frame 2
    TraceCurrentFrame(a);
    a.Push(2.5).GotoFrame2(false); // no frame "2.5"
    TraceCurrentFrame(a);
    a.PushUndefined().GotoFrame2(false); // the label "undefined"
    TraceCurrentFrame(a);
    a.Push(99.0).GotoFrame2(false); // the last frame, its actions left out
    TraceCurrentFrame(a);
    // s.gotoAndStop("/:3") moves the root.
    a.Push("/:3").Push(1.0).Push("s").Op(op::GetVariable).Push("gotoAndStop").Op(op::CallMethod).Op(op::Pop);
    TraceCurrentFrame(a);
    DoAction(w, a);
    w.ShowFrame();
    w.ShowFrame();
    Label(w, "undefined");
    w.ShowFrame();
    DoAction(w, ActionAssembler().Trace("frame 4"));
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines, (Lines{"2", "2", "3", "4", "3"}));
}

TEST(FrameJumps, WaitForFrameSkipsOnlyFramesPastTheLastAMovieCanHave) {
    ActionAssembler a;
    for (double frame : {16001.0, 16002.0, 2147483648.0, 2147483649.0, 0.5}) {
        a.Push(frame).Record(op::WaitForFrame2, {2});
        a.Trace("loaded"); // a push and a trace: two records
    }
    EXPECT_EQ(Traces(a), (Lines{"loaded", "loaded", "loaded"}));
}

// A sprite whose frames trace "<name>1", "<name>2"; without `finished` its
// stream stops without an End tag, as a movie cut short does.
void TwoFrameSprite(swfw::MovieWriter& w, uint16_t id, const std::string& name, bool finished) {
    swfw::MovieWriter sprite(8, {}, 12);
    for (const char* frame : {"1", "2"}) {
        DoAction(sprite, ActionAssembler().Trace(name + frame));
        sprite.ShowFrame();
    }
    std::vector<uint8_t> body = swfw::SpriteBody(id, sprite);
    if (!finished)
        body.resize(body.size() - 2);
    w.Tag(swf::tagcode::DefineSprite, body);
}

TEST(TimelineLoops, OnlyAFinishedStreamLoopsAndTheNewestSpriteMovesFirst) {
    auto w = Movie();
    TwoFrameSprite(w, 1, "a", true);
    TwoFrameSprite(w, 2, "b", false);
    TwoFrameSprite(w, 3, "c", true);
    // Placed at depths 3, 1, 2: they move on c, b, a.
    PlaceNamed(w, 3, 1, "a");
    PlaceNamed(w, 1, 2, "b");
    PlaceNamed(w, 2, 3, "c");
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build(), 4).Lines,
              (Lines{"a1", "b1", "c1", "c2", "b2", "a2", "c1", "a1", "c2", "a2"}));
}

TEST(TimelineLoops, TheFramesInTheStreamCountNotTheDeclaredOnes) {
    auto w = Movie();
    DoAction(w, ActionAssembler().Trace("frame"));
    w.ShowFrame();
    w.OverrideFrameCount(2);
    EXPECT_EQ(RunMovie(w.Build(), 3).Lines, (Lines{"frame"}));
}

TEST(ClipDepths, CloneSpriteDepthsAlreadyCarryTheFileOffset) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {ActionAssembler()});
    PlaceNamed(w, 1, 1, "s");
    ActionAssembler a;
    a.Push("s").Push("copy").Push(16384.0 + 5).Op(op::CloneSprite);
    a.Push(0.0).Push("copy").Op(op::GetVariable).Push("getDepth").Op(op::CallMethod).Op(op::Trace);
    DoAction(w, a);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines, (Lines{"5"}));
}

} // namespace
