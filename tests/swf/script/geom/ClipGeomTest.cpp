#include "../../ScriptHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;

// object.method(args...) on a variable, its result left on the stack.
ActionAssembler& CallOn(ActionAssembler& a, const std::string& object, const std::string& method,
                        const std::vector<double>& args) {
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        a.Push(*it);
    return a.Push(double(args.size())).Push(object).Op(act::GetVariable).Push(method).Op(act::CallMethod);
}

// trace(object.a.b)
ActionAssembler& TraceMembers(ActionAssembler& a, const std::string& object,
                              const std::vector<std::string>& path) {
    a.Push(object).Op(act::GetVariable);
    for (const std::string& name : path)
        a.Push(name).Op(act::GetMember);
    return a.Op(act::Trace);
}

// A clip made by the script, placed at _x 10.
ActionAssembler ClipAtTen() {
    ActionAssembler a;
    a.Push(1.0).Push("c").Push(2.0).Push("_root").Op(act::GetVariable).Push("createEmptyMovieClip");
    a.Op(act::CallMethod).Op(act::Pop);
    a.Push("c").Op(act::GetVariable).Push("_x").Push(10.0).Op(act::SetMember);
    return a;
}

TEST(ScriptClipGeom, TransformViewsAndSetsTheClipsMatrixAndColours) {
    ActionAssembler a = ClipAtTen();
    TraceMembers(a, "c", {"transform", "matrix"});
    // t = c.transform; m = t.matrix; m.ty = 7; t.matrix = m
    a.Push("t").Push("c").Op(act::GetVariable).Push("transform").Op(act::GetMember).Op(act::SetVariable);
    a.Push("m").Push("t").Op(act::GetVariable).Push("matrix").Op(act::GetMember).Op(act::SetVariable);
    a.Push("m").Op(act::GetVariable).Push("ty").Push(7.0).Op(act::SetMember);
    a.Push("t").Op(act::GetVariable).Push("matrix").Push("m").Op(act::GetVariable).Op(act::SetMember);
    TraceMembers(a, "c", {"_y"});
    // Anything but a matrix changes nothing.
    a.Push("t").Op(act::GetVariable).Push("matrix").Push(0.0).Op(act::InitObject).Op(act::SetMember);
    TraceMembers(a, "c", {"_y"});
    TraceMembers(a, "c", {"transform", "colorTransform", "alphaMultiplier"});
    EXPECT_EQ(Traces(a), (Lines{"(a=1, b=0, c=0, d=1, tx=10, ty=0)", "7", "7", "1"}));
}

TEST(ScriptClipGeom, ColorSetsAndReadsTheClipsColourTransform) {
    ActionAssembler a = ClipAtTen();
    a.Push("col")
        .Push("c")
        .Op(act::GetVariable)
        .Push(1.0)
        .Push("Color")
        .Op(act::NewObject)
        .Op(act::SetVariable);
    CallOn(a, "col", "setRGB", {double(0x667799)}).Op(act::Pop);
    CallOn(a, "col", "getRGB", {}).Op(act::Trace);
    // _alpha keeps 8.8 fixed point: 60 reads back as 59.765625.
    a.Push("c").Op(act::GetVariable).Push("_alpha").Push(60.0).Op(act::SetMember);
    TraceMembers(a, "c", {"_alpha"});
    // A Color of a path that names no clip does nothing.
    a.Push("none").Push("nowhere").Push(1.0).Push("Color").Op(act::NewObject).Op(act::SetVariable);
    CallOn(a, "none", "getRGB", {}).Op(act::Trace);
    EXPECT_EQ(Traces(a), (Lines{"6715289", "59.765625", "undefined"}));
}

TEST(ScriptClipGeom, FiltersAndDisplayPropertiesRoundTrip) {
    ActionAssembler a = ClipAtTen();
    // c.filters = [new flash.filters.BlurFilter(2, 3, 1)]
    a.Push("c").Op(act::GetVariable).Push("filters");
    a.Push(1.0)
        .Push(3.0)
        .Push(2.0)
        .Push(3.0)
        .Push("flash")
        .Op(act::GetVariable)
        .Push("filters")
        .Op(act::GetMember);
    a.Push("BlurFilter").Op(act::NewMethod).Push(1.0).Op(act::InitArray).Op(act::SetMember);
    TraceMembers(a, "c", {"filters", "0", "blurY"});
    a.Push("c").Op(act::GetVariable).Push("blendMode").Push("multiply").Op(act::SetMember);
    TraceMembers(a, "c", {"blendMode"});
    a.Push("c").Op(act::GetVariable).Push("opaqueBackground").Push(double(0xFF00)).Op(act::SetMember);
    TraceMembers(a, "c", {"opaqueBackground"});
    TraceMembers(a, "c", {"scrollRect"});
    EXPECT_EQ(Traces(a), (Lines{"3", "multiply", "65280", "undefined"}));
}

} // namespace
