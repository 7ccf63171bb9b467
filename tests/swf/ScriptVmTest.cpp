#include "ScriptHelpers.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;

// var name = value, then trace(name).
ActionAssembler& SetAndTrace(ActionAssembler& a, const std::string& name) {
    return a.Op(act::SetVariable).TraceVariable(name);
}

TEST(ScriptOperators, AddJoinsStringsAndAddsNumbers) {
    ActionAssembler a;
    a.Push("x").Push("ab").Push(2.0).Op(act::Add2);
    SetAndTrace(a, "x");
    a.Push("x").Push(1.0).Push(2.0).Op(act::Add2);
    SetAndTrace(a, "x");
    a.Push("x").Push(true ? 1.0 : 0.0).PushUndefined().Op(act::Add2);
    SetAndTrace(a, "x");
    EXPECT_EQ(Traces(a, 8), (Lines{"ab2", "3", "NaN"}));
    // SWF 4's Add reads both sides as numbers.
    ActionAssembler old;
    old.Push("x").Push("300").Push("150a").Op(act::Add);
    SetAndTrace(old, "x");
    EXPECT_EQ(Traces(old, 4), (Lines{"450"}));
}

TEST(ScriptOperators, ComparisonsFollowTheVersionRules) {
    ActionAssembler a;
    a.Push("1").Push(1.0).Op(act::Equals2).Op(act::Trace);
    a.PushUndefined().PushNull().Op(act::Equals2).Op(act::Trace);
    a.PushUndefined().Push(0.0).Op(act::Equals2).Op(act::Trace);
    a.Push("1").Push(1.0).Op(act::StrictEquals).Op(act::Trace);
    a.Push(std::nan("")).Push(std::nan("")).Op(act::StrictEquals).Op(act::Trace);
    a.Push(std::nan("")).Push(1.0).Op(act::Less2).Op(act::Trace); // neither: undefined
    a.Push("b").Push("a").Op(act::Greater).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"true", "true", "false", "false", "true", "undefined", "true"}));
    // SWF 4 answers with numbers, and dividing by zero is an error text.
    ActionAssembler old;
    old.Push(1.0).Push(2.0).Op(act::Less).Op(act::Trace);
    old.Push(1.0).Push(0.0).Op(act::Divide).Op(act::Trace);
    EXPECT_EQ(Traces(old, 4), (Lines{"1", "#ERROR#"}));
}

TEST(ScriptOperators, BitwiseOperatorsWorkOn32BitIntegers) {
    ActionAssembler a;
    a.Push(-1.0).Push(1.0).Op(act::BitURShift).Op(act::Trace);
    a.Push(1.0).Push(33.0).Op(act::BitLShift).Op(act::Trace);
    a.Push(4294967297.0).Push(3.0).Op(act::BitAnd).Op(act::Trace);
    a.Push(-8.0).Push(1.0).Op(act::BitRShift).Op(act::Trace);
    a.Push(7.5).Push(2.0).Op(act::Modulo).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"2147483647", "2", "1", "-4", "1.5"}));
}

TEST(ScriptStack, ConstantsRegistersAndStackOperations) {
    ActionAssembler a;
    a.ConstantPool({"first", "second"});
    a.PushConstant(1).Op(act::Trace);
    a.Push(5.0).StoreRegister(2).Op(act::Pop);
    a.PushRegister(2).Op(act::Trace);
    a.Push("a").Push("b").Op(act::StackSwap).Op(act::Trace).Op(act::Trace);
    a.Push("dup").Op(act::PushDuplicate).Op(act::StringAdd).Op(act::Trace);
    a.PushFloat(0.5f).PushInt(-3).Op(act::Add2).Op(act::Trace);
    a.Op(act::Trace); // an empty stack gives undefined
    EXPECT_EQ(Traces(a), (Lines{"second", "5", "a", "b", "dupdup", "-2.5", "undefined"}));
}

TEST(ScriptControl, BranchesLoop) {
    // i = 0; s = 0; while (i < 5) { i++; s += i; } trace(s);
    ActionAssembler a;
    auto top = a.NewLabel(), done = a.NewLabel();
    a.Push("i").Push(0.0).Op(act::SetVariable).Push("s").Push(0.0).Op(act::SetVariable);
    a.Bind(top);
    a.Push("i").Op(act::GetVariable).Push(5.0).Op(act::Less2).Op(act::Not).If(done);
    a.Push("i").Push("i").Op(act::GetVariable).Op(act::Increment).Op(act::SetVariable);
    a.Push("s")
        .Push("s")
        .Op(act::GetVariable)
        .Push("i")
        .Op(act::GetVariable)
        .Op(act::Add2)
        .Op(act::SetVariable);
    a.Jump(top);
    a.Bind(done);
    a.TraceVariable("s");
    EXPECT_EQ(Traces(a), (Lines{"15"}));
}

TEST(ScriptFunctions, ParametersReturnClosuresAndArguments) {
    ActionAssembler add;
    add.Push("a").Op(act::GetVariable).Push("b").Op(act::GetVariable).Op(act::Add2).Op(act::Return);
    ActionAssembler count; // returns arguments.length
    count.Push("arguments").Op(act::GetVariable).Push("length").Op(act::GetMember).Op(act::Return);
    // makeCounter() { var n = 0; return function () { n++; return n; } }
    ActionAssembler inner;
    inner.Push("n").Push("n").Op(act::GetVariable).Op(act::Increment).Op(act::SetVariable);
    inner.Push("n").Op(act::GetVariable).Op(act::Return);
    ActionAssembler make;
    make.Push("n").Push(0.0).Op(act::DefineLocal).DefineFunction("", {}, inner).Op(act::Return);

    ActionAssembler a;
    a.DefineFunction("add", {"a", "b"}, add)
        .DefineFunction("count", {}, count)
        .DefineFunction("make", {}, make);
    a.Push(3.0).Push(4.0).Push(2.0).Push("add").Op(act::CallFunction).Op(act::Trace);
    a.Push(1.0).Push(2.0).Push(3.0).Push(3.0).Push("count").Op(act::CallFunction).Op(act::Trace);
    a.Push("c").Push(0.0).Push("make").Op(act::CallFunction).Op(act::SetVariable);
    for (int i = 0; i < 2; ++i)
        a.Push(0.0).Push("c").Op(act::CallFunction).Op(act::Trace);
    a.TraceVariable("n"); // the counter's variable stays inside it
    EXPECT_EQ(Traces(a), (Lines{"7", "3", "1", "2", "undefined"}));
}

TEST(ScriptFunctions, DefineFunction2PutsParametersAndThisInRegisters) {
    ActionAssembler body;
    body.PushRegister(2).PushRegister(1).Push("name").Op(act::GetMember).Op(act::Add2).Op(act::Return);
    ActionAssembler a;
    a.DefineFunction2("", 3, swf::script::fflag::PreloadThis, {{2, "greeting"}}, body)
        .StoreRegister(0)
        .Op(act::Pop);
    // o = {name: "bob", hi: f}; trace(o.hi("hello "));
    a.Push("o").Push("name").Push("bob").Push("hi").PushRegister(0).Push(2.0).Op(act::InitObject);
    a.Op(act::SetVariable);
    a.Push("hello ").Push(1.0).Push("o").Op(act::GetVariable).Push("hi").Op(act::CallMethod).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"hello bob"}));
}

TEST(ScriptObjects, ConstructorsPrototypesAndInstanceOf) {
    // function Dog(n) { this.name = n; } Dog.prototype.speak = function () { return this.name + "!"; }
    ActionAssembler ctor;
    ctor.Push("this").Op(act::GetVariable).Push("name").Push("n").Op(act::GetVariable).Op(act::SetMember);
    ActionAssembler speak;
    speak.Push("this")
        .Op(act::GetVariable)
        .Push("name")
        .Op(act::GetMember)
        .Push("!")
        .Op(act::Add2)
        .Op(act::Return);
    ActionAssembler a;
    a.DefineFunction("Dog", {"n"}, ctor);
    a.Push("Dog").Op(act::GetVariable).Push("prototype").Op(act::GetMember).Push("speak");
    a.DefineFunction("", {}, speak).Op(act::SetMember);
    a.Push("d").Push("rex").Push(1.0).Push("Dog").Op(act::NewObject).Op(act::SetVariable);
    a.Push(0.0).Push("d").Op(act::GetVariable).Push("speak").Op(act::CallMethod).Op(act::Trace);
    a.Push("d").Op(act::GetVariable).Push("Dog").Op(act::GetVariable).Op(act::InstanceOf).Op(act::Trace);
    a.Push("d").Op(act::GetVariable).Push("Array").Op(act::GetVariable).Op(act::InstanceOf).Op(act::Trace);
    a.Push("d").Op(act::GetVariable).Op(act::TypeOf).Op(act::Trace);
    a.Push("Dog").Op(act::GetVariable).Op(act::TypeOf).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"rex!", "true", "false", "object", "function"}));
}

TEST(ScriptObjects, EnumerationListsTheNewestPropertyFirst) {
    ActionAssembler a;
    a.Push("o").Push("a").Push(1.0).Push("b").Push(2.0).Push(2.0).Op(act::InitObject).Op(act::SetVariable);
    a.Push("o").Op(act::GetVariable).Push("c").Push(3.0).Op(act::SetMember);
    // for (k in o) trace(k);
    auto top = a.NewLabel(), done = a.NewLabel();
    a.Push("o").Op(act::GetVariable).Op(act::Enumerate2);
    a.Bind(top).StoreRegister(0).PushNull().Op(act::Equals2).If(done);
    a.PushRegister(0).Op(act::Trace).Jump(top);
    a.Bind(done);
    // The literal makes its last property first, so it lists in order.
    EXPECT_EQ(Traces(a), (Lines{"c", "a", "b"}));
}

TEST(ScriptBuiltins, ArrayAndStringMethods) {
    ActionAssembler a;
    a.Push("a").Push(10.0).Push(9.0).Push(1.0).Push(3.0).Op(act::InitArray).Op(act::SetVariable);
    // a.sort(Array.NUMERIC); trace(a); trace(a.join("-"));
    a.Push(16.0).Push(1.0).Push("a").Op(act::GetVariable).Push("sort").Op(act::CallMethod).Op(act::Pop);
    a.TraceVariable("a");
    a.Push("-").Push(1.0).Push("a").Op(act::GetVariable).Push("join").Op(act::CallMethod).Op(act::Trace);
    // a.splice(1, 1, "x", "y"); trace(a);
    a.Push("y").Push("x").Push(1.0).Push(1.0).Push(4.0).Push("a").Op(act::GetVariable).Push("splice");
    a.Op(act::CallMethod).Op(act::Pop).TraceVariable("a");
    // "hello world".split(" ")[1].substr(1, 3).toUpperCase()
    a.Push(" ").Push(1.0).Push("hello world").Push("split").Op(act::CallMethod).Push("1").Op(act::GetMember);
    a.StoreRegister(1).Op(act::Pop);
    a.Push(3.0).Push(1.0).Push(2.0).PushRegister(1).Push("substr").Op(act::CallMethod);
    a.StoreRegister(1).Op(act::Pop);
    a.Push(0.0).PushRegister(1).Push("toUpperCase").Op(act::CallMethod).Op(act::Trace);
    a.Push("o").Push(1.0).Push("hello").Push("indexOf").Op(act::CallMethod).Op(act::Trace);
    a.Push("hello").Push("length").Op(act::GetMember).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"1,9,10", "1-9-10", "1,x,y,10", "ORL", "4", "5"}));
}

TEST(ScriptExceptions, CatchFinallyAndUncaughtThrows) {
    ActionAssembler body, handler, cleanup;
    body.Trace("try").Push("boom").Op(act::Throw).Trace("not reached");
    handler.Push("e").Op(act::GetVariable).Op(act::Trace);
    cleanup.Trace("finally");
    ActionAssembler a;
    a.Try(body, "e", &handler, &cleanup);
    a.Trace("after");
    a.Push("uncaught").Op(act::Throw).Trace("not reached either");
    // The uncaught one ends the block and is logged as the plug-in logs it.
    EXPECT_EQ(Traces(a), (Lines{"try", "boom", "finally", "after", "Warning: Uncaught exception, uncaught"}));
}

TEST(ScriptScopes, WithPutsTheObjectOnTheScopeChain) {
    ActionAssembler inside;
    inside.TraceVariable("v").Push("v").Push("set").Op(act::SetVariable);
    ActionAssembler a;
    a.Push("o").Push("v").Push("inner").Push(1.0).Op(act::InitObject).Op(act::SetVariable);
    a.Push("v").Push("outer").Op(act::SetVariable);
    a.Push("o").Op(act::GetVariable).With(inside);
    a.TraceVariable("v");
    a.Push("o").Op(act::GetVariable).Push("v").Op(act::GetMember).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"inner", "outer", "set"}));
}

TEST(ScriptLimits, EndlessLoopsAndRecursionAreStoppedAndTheMovieGoesOn) {
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 12);
    ActionAssembler loop;
    auto top = loop.NewLabel();
    loop.Bind(top).Jump(top);
    DoAction(w, loop);
    w.ShowFrame();
    ActionAssembler recurse;
    recurse.Push(0.0).Push("f").Op(act::CallFunction).Op(act::Return);
    ActionAssembler second;
    second.DefineFunction("f", {}, recurse).Push(0.0).Push("f").Op(act::CallFunction).Op(act::Pop);
    DoAction(w, second);
    w.ShowFrame();
    ActionAssembler third;
    third.Trace("still playing");
    DoAction(w, third);
    w.ShowFrame();
    ScriptRun run = RunMovie(w.Build(), 3);
    EXPECT_EQ(run.Lines, (Lines{"still playing"}));
    ASSERT_EQ(run.Errors.size(), 2u);
    EXPECT_NE(run.Errors[0].find("longer than"), std::string::npos);
    EXPECT_NE(run.Errors[1].find("recursion"), std::string::npos);
}

TEST(ScriptLimits, DamagedActionsNeverCrash) {
    std::mt19937 random(11);
    ActionAssembler valid;
    valid.Push("a").Push(1.0).Op(act::Add2).Push(2.0).Push("f").Op(act::CallFunction).Op(act::Trace);
    std::vector<uint8_t> base = valid.Bytes();
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> bytes = base;
        for (int k = 0; k < 4; ++k)
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        if (round % 3 == 0)
            bytes.resize(random() % bytes.size());
        swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 12);
        w.Tag(swfw::code::DoAction, bytes);
        w.ShowFrame();
        RunMovie(w.Build(), 2);
    }
    SUCCEED();
}

} // namespace
