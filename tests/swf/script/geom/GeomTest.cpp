#include "GeomTestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace testing_geom;
using swf::script::Value;
using swf::script::Vm;

TEST(ScriptGeom, FlashPackageIsHiddenBeforeSwf8UntilItsVersionBitsAreCleared) {
    Vm old(7);
    EXPECT_TRUE(old.GetMember(Value(old.Global()), "flash").IsUndefined());
    Value args[] = {Value(old.Global()), Value("flash"), Value(0.0), Value(5248.0)};
    old.CallMethod(Value(old.Global()), "ASSetPropFlags", args);
    EXPECT_TRUE(FlashClass(old, "geom", "Point").IsObject());
    Vm current(8);
    EXPECT_TRUE(FlashClass(current, "geom", "Matrix").IsObject());
}

TEST(ScriptGeom, PointArithmeticKeepsWhatWasGivenAndMeasuresOnlyPoints) {
    Vm vm(8);
    Value point = FlashClass(vm, "geom", "Point");
    EXPECT_EQ(Text(vm, New(vm, point, {})), "(x=0, y=0)");
    EXPECT_EQ(Text(vm, New(vm, point, {1.0})), "(x=1, y=undefined)");
    Value p = New(vm, point, {3.0, 4.0});
    EXPECT_EQ(vm.ToNumber(vm.GetMember(p, "length")), 5);
    EXPECT_EQ(Text(vm, Call(vm, p, "add", {New(vm, point, {1.0, 2.0})})), "(x=4, y=6)");
    EXPECT_EQ(Text(vm, Call(vm, p, "subtract", {Value()})), "(x=NaN, y=NaN)");
    Call(vm, p, "normalize", {10.0});
    EXPECT_EQ(Text(vm, p), "(x=6, y=8)");
    // A zero-length point does not divide by zero.
    Value origin = New(vm, point, {});
    Call(vm, origin, "normalize", {10.0});
    EXPECT_EQ(Text(vm, origin), "(x=0, y=0)");
    Value plain(vm.NewObject());
    EXPECT_TRUE(Call(vm, point, "distance", {plain, p}).IsUndefined());
    EXPECT_EQ(vm.ToNumber(Call(vm, point, "distance", {New(vm, point, {-100.0, 200.0}), p})),
              std::hypot(106, 192));
    EXPECT_EQ(Text(vm, Call(vm, point, "interpolate", {New(vm, point, {-100.0, -200.0}), origin, 0.5})),
              "(x=-50, y=-100)");
    EXPECT_FALSE(vm.ToBoolean(Call(vm, p, "equals", {plain})));
    EXPECT_TRUE(vm.ToBoolean(Call(vm, p, "equals", {Call(vm, p, "clone")})));
}

TEST(ScriptGeom, MatrixOperationsComposeInTheMovieOrder) {
    Vm vm(8);
    Value matrix = FlashClass(vm, "geom", "Matrix");
    Value m = New(vm, matrix, {2.0, 3.0, 5.0, 7.0, 9.0, 11.0});
    Value copy = Call(vm, m, "clone");
    Call(vm, m, "invert");
    EXPECT_EQ(Text(vm, m), "(a=-7, b=3, c=5, d=-2, tx=8, ty=-5)");
    // The inverse undoes the original.
    Call(vm, m, "concat", {copy});
    EXPECT_EQ(Text(vm, m), "(a=1, b=0, c=0, d=1, tx=0, ty=0)");
    Value s = New(vm, matrix, {2.0, 0.0, 0.0, 2.0, 100.0, 100.0});
    Call(vm, s, "scale", {7.0, 11.0});
    EXPECT_EQ(Text(vm, s), "(a=14, b=0, c=0, d=22, tx=700, ty=1100)");
    Call(vm, s, "translate", {1.0, -1.0});
    EXPECT_EQ(Text(vm, Call(vm, s, "transformPoint", {New(vm, FlashClass(vm, "geom", "Point"), {1.0, 1.0})})),
              "(x=715, y=1121)");
    Value g = New(vm, matrix, {});
    Call(vm, g, "createGradientBox", {200.0, 300.0});
    EXPECT_EQ(Text(vm, g), "(a=0.1220703125, b=0, c=0, d=0.18310546875, tx=100, ty=150)");
    Call(vm, g, "createBox", {2.0, 3.0});
    EXPECT_EQ(Text(vm, g), "(a=NaN, b=NaN, c=NaN, d=NaN, tx=0, ty=0)");
    Value quarter = New(vm, matrix, {});
    Call(vm, quarter, "rotate", {std::acos(-1.0) / 2});
    Value turned =
        Call(vm, quarter, "deltaTransformPoint", {New(vm, FlashClass(vm, "geom", "Point"), {1.0, 0.0})});
    EXPECT_NEAR(vm.ToNumber(vm.GetMember(turned, "x")), 0, 1e-12);
    EXPECT_NEAR(vm.ToNumber(vm.GetMember(turned, "y")), 1, 1e-12);
}

TEST(ScriptGeom, RectangleEdgesAndSetOperations) {
    Vm vm(8);
    Value rectangle = FlashClass(vm, "geom", "Rectangle");
    Value r = New(vm, rectangle, {10.0, 20.0, 100.0, 50.0});
    EXPECT_EQ(vm.ToNumber(vm.GetMember(r, "right")), 110);
    vm.SetMember(r, "left", 0.0);
    EXPECT_EQ(Text(vm, r), "(x=0, y=20, w=110, h=50)");
    EXPECT_TRUE(vm.ToBoolean(Call(vm, r, "contains", {0.0, 20.0})));
    EXPECT_FALSE(vm.ToBoolean(Call(vm, r, "contains", {110.0, 20.0})));
    Value other = New(vm, rectangle, {100.0, 0.0, 50.0, 30.0});
    EXPECT_EQ(Text(vm, Call(vm, r, "intersection", {other})), "(x=100, y=20, w=10, h=10)");
    EXPECT_EQ(Text(vm, Call(vm, r, "union", {other})), "(x=0, y=0, w=150, h=70)");
    Value apart = New(vm, rectangle, {500.0, 500.0, 1.0, 1.0});
    EXPECT_FALSE(vm.ToBoolean(Call(vm, r, "intersects", {apart})));
    EXPECT_EQ(Text(vm, Call(vm, r, "intersection", {apart})), "(x=0, y=0, w=0, h=0)");
    // An empty rectangle adds nothing to a union.
    EXPECT_EQ(Text(vm, Call(vm, New(vm, rectangle, {}), "union", {other})), "(x=100, y=0, w=50, h=30)");
    Call(vm, r, "inflate", {5.0, 5.0});
    EXPECT_EQ(Text(vm, r), "(x=-5, y=15, w=120, h=60)");
}

TEST(ScriptGeom, ColorTransformConcatAndRgb) {
    Vm vm(8);
    Value ct = FlashClass(vm, "geom", "ColorTransform");
    Value a = New(vm, ct, {1000.0, 1000.0, 1000.0, 1000.0, 1000.1, 1000.1, 1000.1, 1000.1});
    Call(vm, a, "concat", {New(vm, ct, {0.25, 0.25, 0.25, 0.25, 35.0, 50.0, 65.0, 80.0})});
    EXPECT_EQ(Text(vm, a),
              "(redMultiplier=250, greenMultiplier=250, blueMultiplier=250, alphaMultiplier=250, "
              "redOffset=36000.1, greenOffset=51000.1, blueOffset=66000.1, alphaOffset=81000.1)");
    // Anything but a colour transform changes nothing.
    Call(vm, a, "concat", {Value(vm.NewObject())});
    EXPECT_EQ(vm.ToNumber(vm.GetMember(a, "redMultiplier")), 250);
    Value b = New(vm, ct, {});
    vm.SetMember(b, "rgb", double(0xFF1900));
    EXPECT_EQ(vm.ToNumber(vm.GetMember(b, "rgb")), double(0xFF1900));
    EXPECT_EQ(Text(vm, b), "(redMultiplier=0, greenMultiplier=0, blueMultiplier=0, alphaMultiplier=1, "
                           "redOffset=255, greenOffset=25, blueOffset=0, alphaOffset=0)");
    // The accessors are what for..in lists.
    auto names = vm.EnumerableNames(b.Object());
    EXPECT_EQ(names.size(), 11u);
}

TEST(ScriptGeom, RectangleEdgeAccessorsKeepTheOppositeEdge) {
    Vm vm(8);
    Value rectangle = FlashClass(vm, "geom", "Rectangle");
    Value r = New(vm, rectangle, {10.0, 20.0, 100.0, 50.0});
    vm.SetMember(r, "top", 30.0);
    EXPECT_EQ(Text(vm, r), "(x=10, y=30, w=100, h=40)");
    vm.SetMember(r, "right", 50.0);
    vm.SetMember(r, "bottom", 100.0);
    EXPECT_EQ(Text(vm, r), "(x=10, y=30, w=40, h=70)");
    Value point = FlashClass(vm, "geom", "Point");
    vm.SetMember(r, "topLeft", New(vm, point, {0.0, 0.0}));
    EXPECT_EQ(Text(vm, r), "(x=0, y=0, w=50, h=100)");
    vm.SetMember(r, "bottomRight", New(vm, point, {20.0, 10.0}));
    EXPECT_EQ(Text(vm, vm.GetMember(r, "size")), "(x=20, y=10)");
    Value inner = New(vm, rectangle, {5.0, 5.0, 15.0, 5.0});
    EXPECT_TRUE(vm.ToBoolean(Call(vm, r, "containsRectangle", {inner})));
    Call(vm, inner, "offsetPoint", {New(vm, point, {1.0, 0.0})});
    EXPECT_FALSE(vm.ToBoolean(Call(vm, r, "containsRectangle", {inner})));
    EXPECT_TRUE(vm.ToBoolean(Call(vm, r, "equals", {Call(vm, r, "clone")})));
    // Only rectangles are equal to rectangles.
    Value lookalike(vm.NewObject());
    for (const char* name : {"x", "y", "width", "height"})
        vm.SetMember(lookalike, name, vm.GetMember(r, name));
    EXPECT_FALSE(vm.ToBoolean(Call(vm, r, "equals", {lookalike})));
    Call(vm, r, "setEmpty");
    EXPECT_TRUE(vm.ToBoolean(Call(vm, r, "isEmpty")));
}

TEST(ScriptGeom, CopiesAreIndependentAndPolarPointsAreExact) {
    Vm vm(8);
    Value matrix = FlashClass(vm, "geom", "Matrix");
    Value m = New(vm, matrix, {1.0, 2.0, 3.0, 4.0, 5.0, 6.0});
    Value copy = Call(vm, m, "clone");
    Call(vm, copy, "identity");
    EXPECT_EQ(Text(vm, m), "(a=1, b=2, c=3, d=4, tx=5, ty=6)");
    EXPECT_EQ(Text(vm, New(vm, matrix, {1.0, 2.0})),
              "(a=1, b=2, c=undefined, d=undefined, tx=undefined, ty=undefined)");
    Value point = FlashClass(vm, "geom", "Point");
    EXPECT_EQ(Text(vm, Call(vm, point, "polar", {5.0, std::atan(0.75)})), "(x=4, y=3)");
    EXPECT_EQ(Text(vm, Call(vm, point, "polar", {5.0})), "(x=NaN, y=NaN)");
    Value p = New(vm, point, {1.0, 2.0});
    Value q = Call(vm, p, "clone");
    Call(vm, q, "offset", {1.0, 1.0});
    EXPECT_EQ(Text(vm, p), "(x=1, y=2)");
    EXPECT_EQ(Text(vm, q), "(x=2, y=3)");
}

TEST(ScriptGeom, ColorTransformKeepsWhatScriptsSetAndReadsRgbFromItsOffsets) {
    Vm vm(8);
    Value ct = New(vm, FlashClass(vm, "geom", "ColorTransform"), {});
    vm.SetMember(ct, "redMultiplier", "abc");
    vm.SetMember(ct, "greenOffset", 1000.0);
    EXPECT_EQ(Text(vm, ct), "(redMultiplier=NaN, greenMultiplier=1, blueMultiplier=1, alphaMultiplier=1, "
                            "redOffset=0, greenOffset=1000, blueOffset=0, alphaOffset=0)");
    // Offsets beyond a byte overlap in rgb as the plug-in's shifts do.
    EXPECT_EQ(vm.ToNumber(vm.GetMember(ct, "rgb")), double(1000 << 8));
    // Setting rgb keeps alpha's multiplier.
    vm.SetMember(ct, "alphaMultiplier", 0.5);
    vm.SetMember(ct, "rgb", double(0x102030));
    EXPECT_EQ(vm.ToNumber(vm.GetMember(ct, "alphaMultiplier")), 0.5);
    EXPECT_EQ(vm.ToNumber(vm.GetMember(ct, "blueOffset")), 0x30);
}

} // namespace
