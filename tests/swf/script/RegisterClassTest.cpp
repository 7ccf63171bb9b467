#include "../ScriptHelpers.h"

#include "swf/TagCodes.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;
namespace op = swf::action;
namespace ev = swf::script::clipevent;

swfw::MovieWriter Movie(uint8_t version = 8) { return swfw::MovieWriter(version, {0, 2000, 0, 2000}, 12); }

void InitAction(swfw::MovieWriter& w, uint16_t spriteId, const ActionAssembler& actions) {
    std::vector<uint8_t> body{uint8_t(spriteId), uint8_t(spriteId >> 8)};
    auto code = actions.Bytes();
    body.insert(body.end(), code.begin(), code.end());
    w.Tag(swf::tagcode::DoInitAction, body);
}

// trace(this.property), or of the named variable's property.
ActionAssembler& TraceMember(ActionAssembler& a, const std::string& object, const std::string& property) {
    return a.Push(object).Op(op::GetVariable).Push(property).Op(op::GetMember).Op(op::Trace);
}

// function Thing() { trace("constructor"); trace(this.kind); trace(this._x); }
// Thing.prototype.kind = "thing"; and the result of
// Object.registerClass(symbol, Thing) traced.
ActionAssembler DefineThing(const std::string& symbol) {
    ActionAssembler ctor, a;
    ctor.Trace("constructor");
    TraceMember(ctor, "this", "kind");
    TraceMember(ctor, "this", "_x");
    a.DefineFunction("Thing", {}, ctor);
    a.Push("Thing").Op(op::GetVariable).Push("prototype").Op(op::GetMember);
    a.Push("kind").Push("thing").Op(op::SetMember);
    a.Push("Thing").Op(op::GetVariable).Push(symbol).Push(2.0).Push("Object").Op(op::GetVariable);
    a.Push("registerClass").Op(op::CallMethod).Op(op::Trace);
    return a;
}

// name = attachMovie(symbol, name, depth, {_x: x}); trace(name.kind)
ActionAssembler& Attach(ActionAssembler& a, const std::string& symbol, const std::string& name, double depth,
                        double x) {
    a.Push(name).Push("_x").Push(x).Push(1.0).Op(op::InitObject);
    a.Push(depth).Push(name).Push(symbol).Push(4.0).Push("attachMovie").Op(op::CallFunction);
    a.Op(op::SetVariable);
    return TraceMember(a, name, "kind");
}

TEST(RegisterClass, APlacedInstanceGetsItsClassBeforeItsConstructEventAndItsConstructorAfter) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {ActionAssembler().Trace("clip frame")});
    Export(w, 1, "Thing");
    swfw::Place p;
    p.Depth = 1;
    p.CharacterId = 1;
    p.Name = "clip";
    ActionAssembler construct;
    TraceMember(construct, "this", "kind");
    w.Tag(swfw::code::PlaceObject2,
          swfw::WithClipActions(swfw::PlaceObject2Body(p), {{ev::Construct, construct}}, 8));
    // Init actions after the placement in the file still run first.
    InitAction(w, 1, DefineThing("Thing"));
    ActionAssembler frame;
    frame.Push("clip").Op(op::GetVariable).Push("Thing").Op(op::GetVariable).Op(op::InstanceOf).Op(op::Trace);
    DoAction(w, frame);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines,
              (Lines{"true", "thing", "constructor", "thing", "0", "true", "clip frame"}));
}

TEST(RegisterClass, AttachedInstancesTakeTheInitObjectBeforeTheConstructorAndLinksCanBeUndone) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {ActionAssembler()});
    Export(w, 1, "Thing");
    ActionAssembler a = DefineThing("Thing");
    Attach(a, "thing", "a", 1, 5);
    // Without a class: false, the link stays; with null the link goes.
    a.Push("Thing").Push(1.0).Push("Object").Op(op::GetVariable).Push("registerClass").Op(op::CallMethod);
    a.Op(op::Trace);
    a.PushNull().Push("Thing").Push(2.0).Push("Object").Op(op::GetVariable).Push("registerClass");
    a.Op(op::CallMethod).Op(op::Trace);
    Attach(a, "Thing", "b", 2, 6);
    DoAction(w, a);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines,
              (Lines{"true", "constructor", "thing", "5", "thing", "false", "true", "undefined"}));
}

TEST(RegisterClass, LinksIgnoreCaseBeforeVersion7Only) {
    for (uint8_t version : {6, 7}) {
        auto w = Movie(version);
        DefineScriptedSprite(w, 1, {ActionAssembler()});
        Export(w, 1, "Thing");
        ActionAssembler a = DefineThing("THING");
        Attach(a, "Thing", "a", 1, 5);
        DoAction(w, a);
        w.ShowFrame();
        Lines expected =
            version < 7 ? Lines{"true", "constructor", "thing", "5", "thing"} : Lines{"true", "undefined"};
        EXPECT_EQ(RunMovie(w.Build()).Lines, expected) << "version " << int(version);
    }
}

TEST(RegisterClass, AnInstanceHearsItsLoadThroughItsClass) {
    auto w = Movie();
    DefineScriptedSprite(w, 1, {ActionAssembler()});
    Export(w, 1, "Thing");
    ActionAssembler a = DefineThing("Thing"), onLoad;
    onLoad.Trace("loaded");
    a.Push("Thing").Op(op::GetVariable).Push("prototype").Op(op::GetMember);
    a.Push("onLoad").DefineFunction("", {}, onLoad).Op(op::SetMember);
    Attach(a, "Thing", "a", 1, 5);
    a.Trace("frame end");
    DoAction(w, a);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build(), 2).Lines,
              (Lines{"true", "constructor", "thing", "5", "thing", "frame end", "loaded"}));
}

} // namespace
