#include "../ScriptHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;
namespace op = swf::action;
namespace ev = swf::script::clipevent;
using Handlers = std::vector<std::pair<uint32_t, ActionAssembler>>;

swfw::MovieWriter Movie() { return swfw::MovieWriter(8, {0, 2000, 0, 2000}, 12); }

ActionAssembler Say(const std::string& text) {
    ActionAssembler a;
    a.Trace(text);
    return a;
}

void PlaceWithHandlers(swfw::MovieWriter& w, uint16_t depth, uint16_t id, const std::string& name,
                       const Handlers& handlers) {
    swfw::Place p;
    p.Depth = depth;
    p.CharacterId = id;
    p.Name = name;
    w.Tag(swfw::code::PlaceObject2, swfw::WithClipActions(swfw::PlaceObject2Body(p), handlers, 8));
}

void RemoveAndStop(swfw::MovieWriter& w, const std::string& text) {
    w.Tag(swfw::code::RemoveObject2, swfw::RemoveObject2Body(1));
    ActionAssembler last = Say(text);
    last.Op(op::Stop);
    DoAction(w, last);
    w.ShowFrame();
}

TEST(FrameOrder, LifetimeEventsOfAPlacedClipRunAroundTheFrameActions) {
    auto w = Movie();
    DoAction(w, Say("frame 1"));
    w.ShowFrame();
    DefineScriptedSprite(w, 2, {Say("clip frame")});
    PlaceWithHandlers(w, 1, 2, "clip",
                      {{ev::Initialize, Say("clip initialize")},
                       {ev::Construct, Say("clip construct")},
                       {ev::Load, Say("clip load")},
                       {ev::EnterFrame, Say("clip enterFrame")},
                       {ev::Unload, Say("clip unload")}});
    DoAction(w, Say("frame 2"));
    w.ShowFrame();
    DoAction(w, Say("frame 3"));
    w.ShowFrame();
    RemoveAndStop(w, "frame 4");
    // Construction ahead of the frame's actions, load just before the
    // clip's own first frame, enterFrame from the tick after it came and
    // before the frame's actions, unload ahead of the actions of the frame
    // that removes it and no enterFrame then.
    EXPECT_EQ(RunMovie(w.Build(), 5).Lines,
              (Lines{"frame 1", "clip initialize", "clip construct", "frame 2", "clip load", "clip frame",
                     "clip enterFrame", "frame 3", "clip unload", "frame 4"}));
}

TEST(FrameOrder, InitializeEventsOfNestedClipsComeBeforeAnyConstructEvent) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {Say("child frame")});
    // Sprite 2 places sprite 1 with handlers in its own first frame.
    swfw::MovieWriter sprite(8, {}, 12);
    DoAction(sprite, Say("clip frame"));
    PlaceWithHandlers(sprite, 1, 1, "child",
                      {{ev::Initialize, Say("child initialize")},
                       {ev::Construct, Say("child construct")},
                       {ev::Load, Say("child load")}});
    sprite.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(2, sprite));
    PlaceWithHandlers(w, 1, 2, "clip",
                      {{ev::Initialize, Say("clip initialize")},
                       {ev::Construct, Say("clip construct")},
                       {ev::Load, Say("clip load")}});
    DoAction(w, Say("frame 1"));
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines,
              (Lines{"clip initialize", "child initialize", "clip construct", "child construct", "frame 1",
                     "clip load", "clip frame", "child load", "child frame"}));
}

TEST(FrameOrder, ClipsInsideARemovedClipUnloadFirst) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {ActionAssembler()});
    PlaceWithHandlers(w, 1, 1, "clip", {{ev::Unload, Say("clip unload")}});
    ActionAssembler a;
    // clip.createEmptyMovieClip("inner", 1).onUnload = function () { trace("inner unload"); };
    a.Push(1.0).Push("inner").Push(2.0).Push("clip").Op(op::GetVariable).Push("createEmptyMovieClip");
    a.Op(op::CallMethod).Push("onUnload").DefineFunction("", {}, Say("inner unload")).Op(op::SetMember);
    DoAction(w, a);
    w.ShowFrame();
    RemoveAndStop(w, "frame 2");
    EXPECT_EQ(RunMovie(w.Build(), 2).Lines, (Lines{"inner unload", "clip unload", "frame 2"}));
}

} // namespace
