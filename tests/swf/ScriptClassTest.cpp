#include "ScriptHelpers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;

// Calls a method of a global object: object.method(args...), result traced.
ActionAssembler& TraceCall(ActionAssembler& a, const std::string& object, const std::string& method,
                           const std::vector<double>& args) {
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        a.Push(*it);
    return a.Push(double(args.size()))
        .Push(object)
        .Op(act::GetVariable)
        .Push(method)
        .Op(act::CallMethod)
        .Op(act::Trace);
}

TEST(ScriptClasses, ExtendsAndSuperReachTheParentClass) {
    // function A() { trace("A"); } A.prototype.hi = function () { return "A.hi"; }
    // function B() { super(); trace("B"); } B extends A;
    // B.prototype.hi = function () { return "B+" + super.hi(); }
    ActionAssembler ctorA = ActionAssembler().Trace("A"), hiA, ctorB, hiB, a;
    hiA.Push("A.hi").Op(act::Return);
    ctorB.Push(0.0)
        .Push("super")
        .Op(act::GetVariable)
        .PushUndefined()
        .Op(act::CallMethod)
        .Op(act::Pop)
        .Trace("B");
    hiB.Push("B+").Push(0.0).Push("super").Op(act::GetVariable).Push("hi").Op(act::CallMethod);
    hiB.Op(act::Add2).Op(act::Return);
    a.DefineFunction("A", {}, ctorA).DefineFunction("B", {}, ctorB);
    a.Push("A")
        .Op(act::GetVariable)
        .Push("prototype")
        .Op(act::GetMember)
        .Push("hi")
        .DefineFunction("", {}, hiA);
    a.Op(act::SetMember);
    a.Push("B").Op(act::GetVariable).Push("A").Op(act::GetVariable).Op(act::Extends);
    a.Push("B")
        .Op(act::GetVariable)
        .Push("prototype")
        .Op(act::GetMember)
        .Push("hi")
        .DefineFunction("", {}, hiB);
    a.Op(act::SetMember);
    a.Push("b").Push(0.0).Push("B").Op(act::NewObject).Op(act::SetVariable);
    TraceCall(a, "b", "hi", {});
    a.Push("b").Op(act::GetVariable).Push("A").Op(act::GetVariable).Op(act::InstanceOf).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"A", "B", "B+A.hi", "true"}));
}

TEST(ScriptClasses, PropFlagsHideAndProtectProperties) {
    ActionAssembler a;
    a.Push("o").Push("a").Push(1.0).Push("b").Push(2.0).Push(2.0).Op(act::InitObject).Op(act::SetVariable);
    // ASSetPropFlags(o, "a", 1 | 2 | 4): hidden, undeletable, read-only.
    a.Push(0.0).Push(7.0).Push("a").Push("o").Op(act::GetVariable).Push(4.0).Push("ASSetPropFlags");
    a.Op(act::CallFunction).Op(act::Pop);
    a.Push("o").Op(act::GetVariable).Push("a").Push(9.0).Op(act::SetMember);
    a.Push("o").Op(act::GetVariable).Push("a").Op(act::Delete).Op(act::Trace);
    a.Push("o").Op(act::GetVariable).Push("a").Op(act::GetMember).Op(act::Trace);
    auto top = a.NewLabel(), done = a.NewLabel();
    a.Push("o").Op(act::GetVariable).Op(act::Enumerate2);
    a.Bind(top)
        .StoreRegister(0)
        .PushNull()
        .Op(act::Equals2)
        .If(done)
        .PushRegister(0)
        .Op(act::Trace)
        .Jump(top);
    a.Bind(done);
    EXPECT_EQ(Traces(a), (Lines{"false", "1", "b"}));
}

TEST(ScriptClasses, AccessorsAddedByAddPropertyRunOnGetAndSet) {
    ActionAssembler getter, setter, a;
    getter.Push("got").Op(act::Return);
    setter.Push("set ").Push("v").Op(act::GetVariable).Op(act::Add2).Op(act::Trace);
    a.Push("o").Push(0.0).Op(act::InitObject).Op(act::SetVariable);
    a.DefineFunction("", {"v"}, setter).DefineFunction("", {}, getter).Push("p").Push(3.0);
    a.Push("o").Op(act::GetVariable).Push("addProperty").Op(act::CallMethod).Op(act::Pop);
    a.Push("o").Op(act::GetVariable).Push("p").Push(5.0).Op(act::SetMember);
    a.Push("o").Op(act::GetVariable).Push("p").Op(act::GetMember).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"set 5", "got"}));
}

TEST(ScriptClasses, GlobalFunctionsParseAndEscape) {
    ActionAssembler a;
    a.Push("0x1F").Push(1.0).Push("parseInt").Op(act::CallFunction).Op(act::Trace);
    a.Push("017").Push(1.0).Push("parseInt").Op(act::CallFunction).Op(act::Trace);
    a.Push("12px").Push(1.0).Push("parseInt").Op(act::CallFunction).Op(act::Trace);
    a.Push(" 3.5e1x").Push(1.0).Push("parseFloat").Op(act::CallFunction).Op(act::Trace);
    a.Push("a b&c").Push(1.0).Push("escape").Op(act::CallFunction).Op(act::Trace);
    a.Push("a%20b+c").Push(1.0).Push("unescape").Op(act::CallFunction).Op(act::Trace);
    TraceCall(a, "Math", "max", {3, 7});
    TraceCall(a, "Math", "round", {-2.5});
    EXPECT_EQ(Traces(a), (Lines{"31", "15", "12", "35", "a%20b%26c", "a b c", "7", "-2"}));
}

TEST(ScriptClasses, IntervalsFireAsFramesPass) {
    // setInterval(function () { trace("tick"); }, 100) at 10 frames a second.
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 10);
    ActionAssembler a;
    a.Push(100.0).DefineFunction("", {}, ActionAssembler().Trace("tick")).Push(2.0).Push("setInterval");
    a.Op(act::CallFunction).Op(act::Pop);
    DoAction(w, a);
    w.ShowFrame();
    // Three frames take 300 ms of movie time, however fast they are played;
    // the interval was set a moment after the start.
    EXPECT_GE(RunMovie(w.Build(), 4).Lines.size(), 2u);
}

TEST(ScriptClasses, ImportedSpritesPlayWithTheirOwnMovie) {
    auto folder = std::filesystem::temp_directory_path() / "kfp-script-import";
    std::filesystem::create_directories(folder);
    // The library exports sprite 1, whose frame traces.
    swfw::MovieWriter library(8, {0, 2000, 0, 2000}, 12);
    DefineScriptedSprite(library, 1, {ActionAssembler().Trace("from the library")});
    std::vector<uint8_t> exports{1, 0, 1, 0};
    for (char c : std::string("shared"))
        exports.push_back(static_cast<uint8_t>(c));
    exports.push_back(0);
    library.Tag(swf::tagcode::ExportAssets, exports);
    library.ShowFrame();
    auto bytes = library.Build();
    std::ofstream(folder / "lib.swf", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // The movie imports it as character 5 and places it.
    swfw::MovieWriter movie(8, {0, 2000, 0, 2000}, 12);
    std::vector<uint8_t> imports;
    for (char c : std::string("lib.swf\0", 8))
        imports.push_back(static_cast<uint8_t>(c));
    imports.insert(imports.end(), {1, 0, 5, 0});
    for (char c : std::string("shared\0", 7))
        imports.push_back(static_cast<uint8_t>(c));
    movie.Tag(swf::tagcode::ImportAssets, imports);
    PlaceNamed(movie, 1, 5, "lib");
    movie.ShowFrame();
    bytes = movie.Build();
    std::ofstream(folder / "main.swf", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::vector<std::string> lines;
    swf::Player player;
    player.OnTrace = [&lines](const std::string& line) { lines.push_back(line); };
    player.Load(folder / "main.swf");
    EXPECT_EQ(lines, (Lines{"from the library"}));
    std::filesystem::remove_all(folder);
}

} // namespace
