#include "../ScriptHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;

// One argument as a movie pushes it.
struct Arg {
    enum class Kind { Number, String, Undefined, Null } K;
    double N = 0;
    std::string S;
    Arg(double n) : K(Kind::Number), N(n) {}
    Arg(const char* s) : K(Kind::String), S(s) {}
    static Arg Undefined() { return Arg(Kind::Undefined); }
    static Arg Null() { return Arg(Kind::Null); }

    void PushTo(ActionAssembler& a) const {
        if (K == Kind::Number)
            a.Push(N);
        else if (K == Kind::String)
            a.Push(S);
        else if (K == Kind::Undefined)
            a.PushUndefined();
        else
            a.PushNull();
    }

private:
    explicit Arg(Kind k) : K(k) {}
};

void PushArgs(ActionAssembler& a, const std::vector<Arg>& args) {
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        it->PushTo(a);
    a.Push(double(args.size()));
}

// Traces receiver.method(args...), the receiver pushed as given.
void TraceMethod(ActionAssembler& a, const Arg& receiver, const std::string& method,
                 const std::vector<Arg>& args) {
    PushArgs(a, args);
    receiver.PushTo(a);
    a.Push(method).Op(act::CallMethod).Op(act::Trace);
}

// Traces variable.method(args...).
void TraceVariableMethod(ActionAssembler& a, const std::string& variable, const std::string& method,
                         const std::vector<Arg>& args) {
    PushArgs(a, args);
    a.Push(variable).Op(act::GetVariable).Push(method).Op(act::CallMethod).Op(act::Trace);
}

// Traces name(args...) for a global function.
void TraceFunction(ActionAssembler& a, const std::string& name, const std::vector<Arg>& args) {
    PushArgs(a, args);
    a.Push(name).Op(act::CallFunction).Op(act::Trace);
}

const std::string Emoji = "\xF0\x9F\x98\x8B";   // U+1F60B: two UTF-16 units
const std::string Replacement = "\xEF\xBF\xBD"; // U+FFFD

TEST(ScriptBuiltins, StringsCountAndIndexUtf16Units) {
    ActionAssembler a;
    const std::string text = "a" + Emoji + "b";
    a.Push(text.c_str()).Push("length").Op(act::GetMember).Op(act::Trace);
    TraceMethod(a, text.c_str(), "charCodeAt", {1.0});
    TraceMethod(a, text.c_str(), "charCodeAt", {2.0});
    TraceMethod(a, text.c_str(), "charAt", {1.0});          // half a pair
    TraceMethod(a, text.c_str(), "substring", {1.0, 3.0});  // the whole pair
    TraceMethod(a, text.c_str(), "indexOf", {"b"});         // counted in units
    TraceMethod(a, text.c_str(), "charAt", {4294967299.0}); // wraps to 3
    TraceMethod(a, text.c_str(), "slice", {-2.0});
    TraceVariableMethod(a, "String", "fromCharCode", {80.0, 65617.0, 0.0, 82.0}); // 16 bits, a zero ends it
    // The string actions of SWF 4 count the same way.
    a.Push(text.c_str()).Op(act::MbStringLength).Op(act::Trace);
    a.Push(Emoji.c_str()).Op(act::MbCharToAscii).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"4", "55357", "56843", Replacement, Emoji, "3", "b", Replacement + "b", "PQ",
                                "4", "65533"}));
}

TEST(ScriptBuiltins, StringMethodsAnswerMissingAndOutOfRangeArgumentsAsThePluginDoes) {
    ActionAssembler a;
    TraceMethod(a, "abc", "indexOf", {});
    TraceMethod(a, "abc", "indexOf", {"", 5.0});
    TraceMethod(a, "abc", "lastIndexOf", {"a", -1.0});
    TraceMethod(a, "abc", "substr", {});
    TraceMethod(a, "abcdef", "substr", {1.0, Arg::Null()});
    TraceMethod(a, "abcdef", "substring", {3.0, Arg::Null()});
    TraceMethod(a, "abc", "charCodeAt", {7.0});
    TraceMethod(a, "a,b", "split", {",", Arg::Null()});
    EXPECT_EQ(Traces(a), (Lines{"undefined", "-1", "-1", "undefined", "", "abc", "NaN", ""}));
}

TEST(ScriptBuiltins, SplitSeparatorsDependOnTheVersion) {
    auto run = [](uint8_t version) {
        ActionAssembler a;
        TraceMethod(a, "a,bc", "split", {});
        TraceMethod(a, "a,bc", "split", {""});
        TraceMethod(a, "a,bc", "split", {Arg::Undefined(), 0.0});
        TraceMethod(a, "abc", "charCodeAt", {3.0});
        return Traces(a, version);
    };
    EXPECT_EQ(run(5), (Lines{"a,bc", "a,bc", "", "0"}));
    EXPECT_EQ(run(6), (Lines{"a,bc", "a,,,b,c", "a,bc", "NaN"}));
}

TEST(ScriptBuiltins, UnescapeDropsBrokenEscapes) {
    ActionAssembler a;
    for (const char* s : {"%41%4a+b", "x%zz", "x%4z", "x%4+yz", "%u0041", "x%"})
        TraceFunction(a, "unescape", {s});
    TraceFunction(a, "unescape", {});
    EXPECT_EQ(Traces(a), (Lines{"AJ b", "xz", "x", "xz", "0041", "x", "undefined"}));
}

// o = { valueOf: function () { trace("valueOf"); return result; } }
void TracingValueOf(ActionAssembler& a, const std::string& name, double result) {
    ActionAssembler body;
    body.Trace("valueOf").Push(result).Op(act::Return);
    a.Push(name).Push(0.0).Op(act::InitObject).Op(act::SetVariable);
    a.Push(name).Op(act::GetVariable).Push("valueOf");
    a.DefineFunction("", {}, body);
    a.Op(act::SetMember);
}

TEST(ScriptBuiltins, ComparisonsAndMathConvertObjectsAsThePluginDoes) {
    ActionAssembler a;
    TracingValueOf(a, "v", 1);
    // A plain object's valueOf gives the object: false, the right side is
    // never converted.
    a.Push(0.0).Op(act::InitObject).Push("v").Op(act::GetVariable).Op(act::Less2).Op(act::Trace);
    a.Push("v").Op(act::GetVariable).Push(2.0).Op(act::Less2).Op(act::Trace);
    // A clip is NaN whatever its valueOf says.
    a.Push("_root").Op(act::GetVariable).Push("valueOf").Push("v").Op(act::GetVariable).Push("valueOf");
    a.Op(act::GetMember).Op(act::SetMember);
    a.Push("_root").Op(act::GetVariable).Push(2.0).Op(act::Less2).Op(act::Trace);
    a.Push("_root").Op(act::GetVariable).Push(1.0).Push("isNaN").Op(act::CallFunction).Op(act::Trace);
    // Math.min converts a lone argument and still gives NaN.
    a.Push("v").Op(act::GetVariable).Push(1.0).Push("Math").Op(act::GetVariable).Push("min");
    a.Op(act::CallMethod).Op(act::Trace);
    EXPECT_EQ(Traces(a, 7), (Lines{"false", "valueOf", "true", "undefined", "true", "valueOf", "NaN"}));
}

TEST(ScriptBuiltins, UnsignedShiftByNothingIsSignedUpToSwf8) {
    auto run = [](uint8_t version) {
        ActionAssembler a;
        a.Push(-3.0).Push(0.0).Op(act::BitURShift).Op(act::Trace);
        a.Push(-3.0).Push(1.0).Op(act::BitURShift).Op(act::Trace);
        return Traces(a, version);
    };
    EXPECT_EQ(run(8), (Lines{"-3", "2147483646"}));
    EXPECT_EQ(run(10), (Lines{"4294967293", "2147483646"}));
}

TEST(ScriptBuiltins, SpliceWithAnUndefinedOrNegativeCountChangesNothing) {
    ActionAssembler a;
    a.Push("x").Push(3.0).Push(2.0).Push(1.0).Push(3.0).Op(act::InitArray).Op(act::SetVariable);
    TraceVariableMethod(a, "x", "splice", {0.0, Arg::Undefined()});
    TraceVariableMethod(a, "x", "splice", {0.0, -1.0});
    TraceVariableMethod(a, "x", "splice", {1.0, 1.0});
    a.TraceVariable("x");
    EXPECT_EQ(Traces(a), (Lines{"undefined", "undefined", "2", "1,3"}));
}

TEST(ScriptBuiltins, SystemAndTheRootTellThePlayersVersion) {
    ActionAssembler a;
    a.Push("$version").Op(act::GetVariable).Op(act::Trace);
    a.Push("_global").Op(act::GetVariable).Push("$version").Op(act::GetMember).Op(act::Trace);
    a.Push("System").Op(act::GetVariable).Push("capabilities").Op(act::GetMember).Push("version");
    a.Op(act::GetMember).Op(act::Trace);
    a.Push("s").Push("System").Op(act::GetVariable).Push("security").Op(act::GetMember).Op(act::SetVariable);
    TraceVariableMethod(a, "s", "allowDomain", {});
    TraceVariableMethod(a, "s", "allowDomain", {Arg::Undefined()});
    EXPECT_EQ(Traces(a), (Lines{"WIN 9,0,0,0", "undefined", "WIN 9,0,0,0", "false", "true"}));
}

TEST(ScriptBuiltins, AsNativeLendsHasOwnProperty) {
    ActionAssembler a;
    a.Push("f").Push(5.0).Push(101.0).Push(2.0).Push("ASnative").Op(act::CallFunction).Op(act::SetVariable);
    a.Push("o").Push("p").Push(1.0).Push(1.0).Op(act::InitObject).Op(act::SetVariable);
    a.Push("o").Op(act::GetVariable).Push("has").Push("f").Op(act::GetVariable).Op(act::SetMember);
    TraceVariableMethod(a, "o", "has", {"p"});
    TraceVariableMethod(a, "o", "has", {"q"});
    TraceFunction(a, "ASnative", {1.0, 1.0});
    EXPECT_EQ(Traces(a, 6), (Lines{"true", "false", "undefined"}));
}

TEST(ScriptBuiltins, ForInListsNamedChildClipsAndEndsWithUndefined) {
    ActionAssembler a;
    for (const char* name : {"one", "two"}) {
        a.Push(double(name[0])).Push(name).Push(2.0).Push("_root").Op(act::GetVariable);
        a.Push("createEmptyMovieClip").Op(act::CallMethod).Op(act::Pop);
    }
    a.Push("end").Push("_root").Op(act::GetVariable).Op(act::Enumerate2);
    ActionAssembler::Label done = a.NewLabel(), loop = a.NewLabel();
    a.Bind(loop).StoreRegister(0).PushNull().Op(act::Equals2).If(done);
    a.PushRegister(0).Op(act::Trace).Jump(loop);
    a.Bind(done).PushRegister(0).Op(act::TypeOf).Op(act::Trace).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"two", "one", "undefined", "end"}));
}

TEST(ScriptBuiltins, ColorTransformTakesAllEightValuesOrNone) {
    ActionAssembler a;
    auto make = [&](const std::vector<Arg>& args) {
        PushArgs(a, args);
        a.Push("flash").Op(act::GetVariable).Push("geom").Op(act::GetMember).Push("ColorTransform");
        a.Op(act::NewMethod).Op(act::Trace);
    };
    make({2.0, 3.0});
    make({2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, Arg::Undefined()});
    EXPECT_EQ(Traces(a),
              (Lines{"(redMultiplier=1, greenMultiplier=1, blueMultiplier=1, alphaMultiplier=1, redOffset=0, "
                     "greenOffset=0, blueOffset=0, alphaOffset=0)",
                     "(redMultiplier=2, greenMultiplier=3, blueMultiplier=4, alphaMultiplier=5, redOffset=6, "
                     "greenOffset=7, blueOffset=8, alphaOffset=NaN)"}));
}

} // namespace

namespace {

// A movie of the actions played with the clock fixed to 2001-02-03
// 04:05:06 in zone GMT+0545.
Lines TracesAtFixedTime(const ActionAssembler& a, uint8_t version = 8) {
    Lines lines;
    swf::Player player;
    player.OnTrace = [&lines](const std::string& line) { lines.push_back(line); };
    player.ScriptClock = *swf::script::DateClock::Parse("2001-02-03T04:05:06+0545");
    player.Load(ActionMovie(a, version));
    return lines;
}

void NewDate(ActionAssembler& a, const std::vector<Arg>& args) {
    a.Push("d");
    PushArgs(a, args);
    a.Push("Date").Op(act::NewObject).Op(act::SetVariable);
}

TEST(ScriptBuiltins, DatesReadTheClockAndZoneTheRunFixes) {
    ActionAssembler a;
    a.Push(0.0).Push("Date").Op(act::CallFunction).Op(act::Trace);
    NewDate(a, {});
    for (const char* getter :
         {"getTime", "getHours", "getUTCHours", "getUTCDate", "getDay", "getTimezoneOffset"})
        TraceVariableMethod(a, "d", getter, {});
    NewDate(a, {-1.0});
    a.TraceVariable("d");
    TraceVariableMethod(a, "d", "getUTCFullYear", {});
    EXPECT_EQ(TracesAtFixedTime(a), (Lines{"Sat Feb 3 04:05:06 GMT+0545 2001", "981152406000", "4", "22", "2",
                                           "6", "-345", "Thu Jan 1 05:44:59 GMT+0545 1970", "1969"}));
}

TEST(ScriptBuiltins, DateFieldsCarryOverAndSetFromTheirArguments) {
    ActionAssembler a;
    NewDate(a, {99.0, 13.0, 1.0}); // year 99 is 1999; month 13 is February of the next year
    a.TraceVariable("d");
    TraceVariableMethod(a, "d", "setUTCHours", {25.0, 30.0});
    TraceVariableMethod(a, "d", "getUTCDate", {});
    TraceVariableMethod(a, "d", "setFullYear", {2004.0, 1.0, 29.0});
    a.TraceVariable("d");
    TraceVariableMethod(a, "d", "setMinutes", {});
    TraceVariableMethod(a, "d", "getHours", {});
    TraceVariableMethod(a, "Date", "UTC", {1970.0, 0.0, 2.0});
    // 2000-02-01 00:00 here is 01-31 18:15 UTC; 25:30 UTC on that day is
    // 01:30 on the next, 07:15 here; a setter without arguments gives NaN.
    EXPECT_EQ(TracesAtFixedTime(a),
              (Lines{"Tue Feb 1 00:00:00 GMT+0545 2000", "949368600000", "1", "1078018200000",
                     "Sun Feb 29 07:15:00 GMT+0545 2004", "NaN", "NaN", "86400000"}));
}

} // namespace

namespace {

// Traces object.name after object.name = value, for a global object.
void TraceAfterSetting(ActionAssembler& a, const std::string& object, const std::string& name,
                       const Arg& value) {
    a.Push(object).Op(act::GetVariable).Push(name);
    value.PushTo(a);
    a.Op(act::SetMember);
    a.Push(object).Op(act::GetVariable).Push(name).Op(act::GetMember).Op(act::Trace);
}

TEST(ScriptBuiltins, StageSpellsAlignAndScaleModeBackAsThePluginDoes) {
    ActionAssembler a;
    for (const char* align : {"br", "xTlLb!", "none"})
        TraceAfterSetting(a, "Stage", "align", align);
    for (const char* mode : {"NOSCALE", "fit"})
        TraceAfterSetting(a, "Stage", "scaleMode", mode);
    a.Push("Stage").Op(act::GetVariable).Push("width").Op(act::GetMember).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"RB", "LTB", "", "noScale", "showAll", "100"}));
}

TEST(ScriptBuiltins, ContextMenusCopyTheirItemsAndKeepTheirOwnSettings) {
    ActionAssembler a;
    auto menu = [&](const char* name) {
        a.Push(name).Push(0.0).Push("ContextMenu").Op(act::NewObject).Op(act::SetVariable);
    };
    auto builtIn = [&](const char* name, const char* item) {
        a.Push(name)
            .Op(act::GetVariable)
            .Push("builtInItems")
            .Op(act::GetMember)
            .Push(item)
            .Op(act::GetMember);
    };
    menu("m");
    a.Push("m").Op(act::GetVariable).Push("builtInItems").Op(act::GetMember).Push("play").PushBool(false);
    a.Op(act::SetMember);
    a.Push("copy")
        .Push(0.0)
        .Push("m")
        .Op(act::GetVariable)
        .Push("copy")
        .Op(act::CallMethod)
        .Op(act::SetVariable);
    TraceVariableMethod(a, "m", "hideBuiltInItems", {});
    builtIn("copy", "play");
    a.Op(act::Trace);
    builtIn("copy", "zoom");
    a.Op(act::Trace);
    builtIn("m", "zoom");
    a.Op(act::Trace);
    menu("fresh");
    builtIn("fresh", "play");
    a.Op(act::Trace);
    a.Push("item").Push("Go").Push(1.0).Push("ContextMenuItem").Op(act::NewObject).Op(act::SetVariable);
    a.Push("item").Op(act::GetVariable).Push("enabled").Op(act::GetMember).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"undefined", "false", "true", "false", "true", "true"}));
}

TEST(ScriptBuiltins, FileReferencesRefuseEveryRequestAndBroadcast) {
    ActionAssembler a;
    a.Push("list").Push(0.0).Push("flash").Op(act::GetVariable).Push("net").Op(act::GetMember);
    a.Push("FileReferenceList").Op(act::NewMethod).Op(act::SetVariable);
    TraceVariableMethod(a, "list", "browse", {});
    a.Push("list")
        .Op(act::GetVariable)
        .Push("_listeners")
        .Op(act::GetMember)
        .Push("length")
        .Op(act::GetMember);
    a.Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"false", "0"}));
}

} // namespace

namespace {

TEST(ScriptBuiltins, ExternalInterfaceHidesItsHelpersBeforeSwf8ButOwnsThem) {
    auto run = [](uint8_t version) {
        ActionAssembler a;
        a.Push(5248.0).Push(0.0).Push("flash").Push("_global").Op(act::GetVariable).Push(4.0);
        a.Push("ASSetPropFlags").Op(act::CallFunction).Op(act::Pop);
        a.Push("ei").Push("flash").Op(act::GetVariable).Push("external").Op(act::GetMember);
        a.Push("ExternalInterface").Op(act::GetMember).Op(act::SetVariable);
        a.Push("ei")
            .Op(act::GetVariable)
            .Push("addCallback")
            .Op(act::GetMember)
            .Op(act::TypeOf)
            .Op(act::Trace);
        TraceVariableMethod(a, "ei", "hasOwnProperty", {"addCallback"});
        TraceVariableMethod(a, "ei", "call", {"f"});
        return Traces(a, version);
    };
    EXPECT_EQ(run(6), (Lines{"undefined", "true", "null"}));
    EXPECT_EQ(run(8), (Lines{"function", "true", "null"}));
}

} // namespace
