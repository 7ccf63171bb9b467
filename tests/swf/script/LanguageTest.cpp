#include "../ScriptHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;

// Traces name(args...) for a global function called with string arguments.
void TraceGlobal(ActionAssembler& a, const std::string& name, const std::vector<std::string>& args) {
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        a.Push(*it);
    a.Push(double(args.size())).Push(name).Op(act::CallFunction).Op(act::Trace);
}

// Declares a global function that traces `value` and returns it.
void TracingFunction(ActionAssembler& a, const std::string& name, const std::string& value) {
    ActionAssembler body;
    body.Trace(value).Push(value).Op(act::Return);
    a.DefineFunction(name, {}, body);
}

// o = {} with o[method] = the global function of that name.
void ObjectWith(ActionAssembler& a, const std::vector<std::string>& methods) {
    a.Push("o").Push(0.0).Op(act::InitObject).Op(act::SetVariable);
    for (const std::string& m : methods)
        a.Push("o").Op(act::GetVariable).Push(m).Push(m).Op(act::GetVariable).Op(act::SetMember);
}

TEST(ScriptLanguage, ParseIntReadsPrefixesAsThePluginDoes) {
    ActionAssembler a;
    a.Push(0.0).Push("parseInt").Op(act::CallFunction).Op(act::Trace);
    const std::vector<std::vector<std::string>> calls = {
        {"077"},                           // octal: every digit after the zero is one
        {"  077"},                         // blanks first: decimal
        {"-0100"},                         // a sign may precede the octal zero
        {"0x -100"},                       // after "0x", blanks and a sign
        {" 0x-100"},                       // "0x" counts only at the very start
        {"-0x100"},                        // a sign before "0x" leaves the digits at the 'x'
        {"-0x100", "36"}, {"0x100", "36"}, // the prefix is skipped whatever the base
        {"100", "0"},                      // a base given must be 2..36
        {"11", "3.8"},    {"12aaa"},
    };
    for (const auto& c : calls)
        TraceGlobal(a, "parseInt", c);
    EXPECT_EQ(Traces(a, 7), (Lines{"undefined", "63", "77", "-64", "-256", "0", "NaN", "1540944", "1296",
                                   "NaN", "4", "12"}));
}

TEST(ScriptLanguage, ParseFloatReadsDigitsOneByOne) {
    ActionAssembler a;
    a.Push(0.0).Push("parseFloat").Op(act::CallFunction).Op(act::Trace);
    for (const char* text :
         {"  -034.1+e20", "1.2345.678", "1.2345.6e50", "10e-", "1e4294967297", "e10", "Infinity", ".2E20E1"})
        TraceGlobal(a, "parseFloat", {text});
    // Accumulated digit by digit, .1499999 lands one bit off the nearest
    // double, as the plug-in's does.
    a.Push(".1499999").Push(1.0).Push("parseFloat").Op(act::CallFunction);
    a.Push(0.14999990000000005).Op(act::StrictEquals).Op(act::Trace);
    EXPECT_EQ(Traces(a, 7), (Lines{"undefined", "-34.1", "1.2345678", "1.23456", "10", "10", "NaN", "NaN",
                                   "2e+19", "true"}));
}

TEST(ScriptLanguage, ObjectsBecomePrimitivesByValueOfAloneWithoutAHint) {
    ActionAssembler a;
    TracingFunction(a, "toString", "s");
    ActionAssembler objectValue;
    objectValue.Push(0.0).Op(act::InitObject).Op(act::Return);
    a.DefineFunction("objectValue", {}, objectValue);
    ObjectWith(a, {"toString"});
    auto setMember = [&](const char* name, const char* global) {
        a.Push("o").Op(act::GetVariable).Push(name);
        if (global)
            a.Push(global).Op(act::GetVariable);
        else
            a.PushUndefined();
        a.Op(act::SetMember);
    };
    // No valueOf: undefined in sums and comparisons, toString for text.
    setMember("valueOf", nullptr);
    a.Push("<").Push("o").Op(act::GetVariable).Op(act::Add2).Op(act::Trace);
    a.Push("o").Op(act::GetVariable).Op(act::Trace);
    a.Push("o").Op(act::GetVariable).PushUndefined().Op(act::Equals2).Op(act::Trace);
    // valueOf returning an object: sums go on to toString, comparisons
    // end as false.
    setMember("valueOf", "objectValue");
    a.Push("<").Push("o").Op(act::GetVariable).Op(act::Add2).Op(act::Trace);
    a.Push("o").Op(act::GetVariable).Push("z").Op(act::Less2).Op(act::Trace);
    // Without either, an object is "[type Object]" as text.
    setMember("toString", nullptr);
    a.Push("o").Op(act::GetVariable).Op(act::Trace);
    EXPECT_EQ(Traces(a, 7), (Lines{"<undefined", "s", "s", "true", "s", "<s", "false", "[type Object]"}));
}

TEST(ScriptLanguage, NaNEqualsItselfAndUndefinedEqualsABareObject) {
    ActionAssembler a;
    a.Push("NaN").Op(act::GetVariable).Push("NaN").Op(act::GetVariable).Op(act::Equals2).Op(act::Trace);
    a.Push("_global").Op(act::GetVariable).PushUndefined().Op(act::Equals2).Op(act::Trace);
    a.PushNull().Push("_global").Op(act::GetVariable).Op(act::Equals2).Op(act::Trace);
    a.Push("_root").Op(act::GetVariable).Push("1").Op(act::Less2).Op(act::Trace);
    EXPECT_EQ(Traces(a, 7), (Lines{"true", "true", "true", "undefined"}));
}

TEST(ScriptLanguage, PropFlagsVersionBitsHidePerVersion) {
    // Each version bit on its own: which versions it hides the property from.
    const std::vector<int> bits = {0x80, 0x100, 0x400, 0x1000, 0x2000, 0x4000, 0x200};
    auto hiddenIn = [&](uint8_t version) {
        ActionAssembler a;
        for (int bit : bits) {
            a.Push("o").Push("p").Push(1.0).Push(1.0).Op(act::InitObject).Op(act::SetVariable);
            a.PushInt(0).PushInt(bit).Push("p").Push("o").Op(act::GetVariable);
            a.Push(4.0).Push("ASSetPropFlags").Op(act::CallFunction).Op(act::Pop);
            a.Push("o").Op(act::GetVariable).Push("p").Op(act::GetMember).Op(act::Trace);
        }
        return Traces(a, version);
    };
    const std::string u = "undefined";
    EXPECT_EQ(hiddenIn(5), (Lines{u, "1", u, u, u, u, "1"}));
    EXPECT_EQ(hiddenIn(6), (Lines{"1", u, u, u, u, u, "1"}));
    EXPECT_EQ(hiddenIn(7), (Lines{"1", "1", "1", u, u, u, "1"}));
    EXPECT_EQ(hiddenIn(9), (Lines{"1", "1", "1", "1", "1", u, "1"}));
}

TEST(ScriptLanguage, ForInListsPrototypesFirstAndLiteralsInOrder) {
    ActionAssembler a;
    // base = {a, b, c}; child = {__proto__: base, c, e}.
    a.Push("base").Push("a").Push(1.0).Push("b").Push(2.0).Push("c").Push(3.0).Push(3.0).Op(act::InitObject);
    a.Op(act::SetVariable);
    a.Push("child").Push("__proto__").Push("base").Op(act::GetVariable).Push(1.0).Op(act::InitObject);
    a.Op(act::SetVariable);
    for (const char* name : {"c", "e"})
        a.Push("child").Op(act::GetVariable).Push(name).Push(4.0).Op(act::SetMember);
    auto loop = a.NewLabel(), done = a.NewLabel();
    a.Push("child").Op(act::GetVariable).Op(act::Enumerate2);
    a.Bind(loop).StoreRegister(0).PushNull().Op(act::Equals2).If(done);
    a.PushRegister(0).Op(act::Trace).Jump(loop);
    a.Bind(done);
    EXPECT_EQ(Traces(a, 7), (Lines{"a", "b", "e", "c"}));
}

TEST(ScriptLanguage, NumberConversionsAndTheirEdges) {
    ActionAssembler a;
    for (const char* text : {" \t 12", "12 ", "037777777777", " 010", "0x1999999981ffffff"})
        TraceGlobal(a, "Number", {text});
    a.Push(0.0).Push("isNaN").Op(act::CallFunction).Op(act::Trace);
    a.Push(0.0).Push("isFinite").Op(act::CallFunction).Op(act::Trace);
    TraceGlobal(a, "isFinite", {"  5  "});
    EXPECT_EQ(Traces(a, 7), (Lines{"12", "NaN", "-1", "10", "-2113929217", "true", "false", "false"}));
    // SWF 4 movies have no NaN or Infinity: the names read as 0.
    ActionAssembler swf4;
    swf4.Push("NaN").Op(act::GetVariable).Push(0.0).Op(act::Equals).Op(act::Trace);
    EXPECT_EQ(Traces(swf4, 4), (Lines{"1"}));
}

} // namespace
