#include "../ScriptHelpers.h"

#include "swf/TagCodes.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;
namespace fflag = swf::script::fflag;

// Class.prototype[name] = function () { return prefix + super[name](); }
// (or just prefix without a parent to ask).
void Method(ActionAssembler& a, const std::string& cls, const std::string& name, const std::string& prefix,
            bool askParent) {
    ActionAssembler body;
    body.Push(prefix);
    if (askParent)
        body.Push(0.0).Push("super").Op(act::GetVariable).Push(name).Op(act::CallMethod).Op(act::Add2);
    body.Op(act::Return);
    a.Push(cls).Op(act::GetVariable).Push("prototype").Op(act::GetMember);
    a.Push(name).DefineFunction("", {}, body).Op(act::SetMember);
}

// function A() {} function B() {} B extends A; function C() {} C extends B.
ActionAssembler ThreeClasses() {
    ActionAssembler a;
    for (const char* name : {"A", "B", "C"})
        a.DefineFunction(name, {}, ActionAssembler());
    a.Push("B").Op(act::GetVariable).Push("A").Op(act::GetVariable).Op(act::Extends);
    a.Push("C").Op(act::GetVariable).Push("B").Op(act::GetVariable).Op(act::Extends);
    a.Push("c").Push(0.0).Push("C").Op(act::NewObject).Op(act::SetVariable);
    return a;
}

TEST(ScriptSuper, EachLevelOfAClassChainReachesTheLevelAboveItself) {
    ActionAssembler a = ThreeClasses();
    Method(a, "A", "who", "A", false);
    Method(a, "B", "who", "B", true);
    Method(a, "C", "who", "C", true);
    a.Push(0.0).Push("c").Op(act::GetVariable).Push("who").Op(act::CallMethod).Op(act::Trace);
    // An accessor read through super runs on the instance, not on super.
    ActionAssembler getter;
    getter.Push("A sees ").Push("this").Op(act::GetVariable).Push("tag").Op(act::GetMember);
    getter.Op(act::Add2).Op(act::Return);
    a.PushNull().DefineFunction("", {}, getter).Push("seen").Push(3.0);
    a.Push("A").Op(act::GetVariable).Push("prototype").Op(act::GetMember).Push("addProperty");
    a.Op(act::CallMethod).Op(act::Pop);
    a.Push("c").Op(act::GetVariable).Push("tag").Push("c").Op(act::SetMember);
    ActionAssembler peek;
    peek.Push("super").Op(act::GetVariable).Push("seen").Op(act::GetMember).Op(act::Return);
    a.Push("C").Op(act::GetVariable).Push("prototype").Op(act::GetMember);
    a.Push("peek").DefineFunction("", {}, peek).Op(act::SetMember);
    a.Push(0.0).Push("c").Op(act::GetVariable).Push("peek").Op(act::CallMethod).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"CBA", "A sees c"}));
}

TEST(ScriptSuper, DefineFunction2KeepsPreloadedAndSuppressedNamesOutOfItsVariables) {
    // o.f = function () { return [register 1, this, super]; } with flags.
    auto run = [](uint16_t flags) {
        ActionAssembler body, a;
        body.Push("super").Op(act::GetVariable).Push("this").Op(act::GetVariable).PushRegister(1);
        body.Push(3.0).Op(act::InitArray).Op(act::Return);
        a.Push("o").Push(0.0).Op(act::InitObject).Op(act::SetVariable);
        a.Push("o").Op(act::GetVariable).Push("f").DefineFunction2("", 2, flags, {}, body).Op(act::SetMember);
        a.Push(0.0).Push("o").Op(act::GetVariable).Push("f").Op(act::CallMethod).Op(act::Trace);
        return Traces(a).at(0);
    };
    EXPECT_EQ(run(0), "undefined,[object Object],[object Object]");
    EXPECT_EQ(run(fflag::PreloadThis), "[object Object],_level0,[object Object]");
    EXPECT_EQ(run(fflag::PreloadThis | fflag::SuppressThis), "undefined,_level0,[object Object]");
    EXPECT_EQ(run(fflag::PreloadSuper), "[object Object],[object Object],undefined");
}

TEST(ScriptLookups, ResolveAccessorsAndLoopingChains) {
    ActionAssembler a, resolve;
    resolve.Push("resolved ").Push("name").Op(act::GetVariable).Op(act::Add2).Op(act::Return);
    a.Push("o").Push(0.0).Op(act::InitObject).Op(act::SetVariable);
    a.Push("o").Op(act::GetVariable).Push("__resolve").DefineFunction("", {"name"}, resolve);
    a.Op(act::SetMember);
    a.Push("o").Op(act::GetVariable).Push("x").Op(act::GetMember).Op(act::Trace);
    // An accessor on an array's length comes before the computed length.
    ActionAssembler ten;
    ten.Push(10.0).Op(act::Return);
    a.Push("list").Push(2.0).Push(1.0).Push(2.0).Op(act::InitArray).Op(act::SetVariable);
    a.PushNull().DefineFunction("", {}, ten).Push("length").Push(3.0);
    a.Push("list").Op(act::GetVariable).Push("addProperty").Op(act::CallMethod).Op(act::Pop);
    a.Push("list").Op(act::GetVariable).Push("length").Op(act::GetMember).Op(act::Trace);
    // A path names the object a property is deleted from.
    a.Push("o").Op(act::GetVariable).Push("y").Push(1.0).Op(act::SetMember);
    a.Push("o.y").Op(act::Delete2).Op(act::Trace);
    // A chain that loops stops the script.
    a.Push("o").Op(act::GetVariable).Push("__proto__").Push("o").Op(act::GetVariable).Op(act::SetMember);
    a.Push("o").Op(act::GetVariable).Push("missing").Op(act::GetMember).Op(act::Trace).Trace("after");
    ScriptRun run = RunMovie(ActionMovie(a));
    EXPECT_EQ(run.Lines, (Lines{"resolved x", "10", "true"}));
    EXPECT_EQ(run.Errors.size(), 1u);
}

TEST(ScriptLimitsAndQuit, TheMovieBoundsRecursionAndQuitEndsItsScripts) {
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 12);
    const std::vector<uint8_t> limits{3, 0, 10, 0}; // recursion depth, time-out seconds
    w.Tag(swf::tagcode::ScriptLimits, limits);
    ActionAssembler a, body;
    body.Trace("in").Push(0.0).Push("f").Op(act::CallFunction).Op(act::Return);
    a.DefineFunction("f", {}, body)
        .Push(0.0)
        .Push("f")
        .Op(act::CallFunction)
        .Op(act::Pop)
        .Trace("not reached");
    DoAction(w, a);
    w.ShowFrame();
    ActionAssembler quit;
    quit.Record(act::GetUrl, {'F', 'S', 'C', 'o', 'm', 'm', 'a', 'n', 'd', ':', 'q', 'u', 'i', 't', 0, 0});
    DoAction(w, quit.Trace("the block goes on"));
    w.ShowFrame();
    DoAction(w, ActionAssembler().Trace("frame 3"));
    w.ShowFrame();
    ScriptRun run = RunMovie(w.Build(), 3);
    // The frame's block counts as one of the three levels.
    EXPECT_EQ(run.Lines, (Lines{"in", "in", "the block goes on"}));
    EXPECT_EQ(run.Errors.size(), 1u);
}

} // namespace
