#include "GeomTestHelpers.h"

#include "swf/script/geom/FilterClasses.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace testing_geom;
using swf::script::Value;
using swf::script::Vm;

Value Filter(Vm& vm, const char* name, std::initializer_list<Value> args) {
    return New(vm, FlashClass(vm, "filters", name), args);
}

TEST(ScriptFilters, FieldsAreClampedAndListsCopied) {
    Vm vm(8);
    Value glow = Filter(vm, "GlowFilter", {});
    EXPECT_EQ(vm.ToNumber(vm.GetMember(glow, "color")), double(0xFF0000));
    EXPECT_EQ(vm.ToNumber(vm.GetMember(glow, "blurX")), 6);
    vm.SetMember(glow, "blurX", 1000.0);
    vm.SetMember(glow, "quality", 40.0);
    vm.SetMember(glow, "alpha", -3.0);
    vm.SetMember(glow, "color", double(0x12345678));
    EXPECT_EQ(vm.ToNumber(vm.GetMember(glow, "blurX")), 255);
    EXPECT_EQ(vm.ToNumber(vm.GetMember(glow, "quality")), 15);
    EXPECT_EQ(vm.ToNumber(vm.GetMember(glow, "alpha")), 0);
    EXPECT_EQ(vm.ToNumber(vm.GetMember(glow, "color")), double(0x345678));
    Value bevel = Filter(vm, "BevelFilter", {});
    vm.SetMember(bevel, "type", "sideways");
    EXPECT_EQ(Text(vm, vm.GetMember(bevel, "type")), "inner");
    Value matrix(vm.NewArray({1.0, 2.0}));
    Value cm = Filter(vm, "ColorMatrixFilter", {matrix});
    // Changing the array given, or the one read back, leaves the filter alone.
    vm.SetMember(matrix, "0", 9.0);
    vm.SetMember(vm.GetMember(cm, "matrix"), "1", 9.0);
    EXPECT_EQ(Text(vm, vm.GetMember(cm, "matrix")), "1,2");
    Value copy = Call(vm, glow, "clone");
    vm.SetMember(copy, "blurY", 1.0);
    EXPECT_EQ(vm.ToNumber(vm.GetMember(glow, "blurY")), 6);
}

TEST(ScriptFilters, ScriptFiltersBecomeTheRenderersAndBack) {
    Vm vm(8);
    Value shadow =
        Filter(vm, "DropShadowFilter", {5.0, 90.0, double(0x102030), 0.5, 3.0, 2.0, 1.0, 2.0, true});
    auto drawn = swf::script::geom::FilterFromScript(vm, shadow);
    ASSERT_TRUE(drawn);
    const auto& f = std::get<swf::DropShadowFilter>(*drawn);
    EXPECT_NEAR(f.Angle, std::acos(-1.0) / 2, 1e-9);
    EXPECT_EQ(f.Color, (swf::Rgba{0x10, 0x20, 0x30, 128}));
    EXPECT_EQ(f.Passes, 2);
    EXPECT_TRUE(f.Inner);
    Value back = swf::script::geom::FilterToScript(vm, *drawn);
    EXPECT_NEAR(vm.ToNumber(vm.GetMember(back, "angle")), 90, 1e-9);
    EXPECT_EQ(vm.ToNumber(vm.GetMember(back, "color")), double(0x102030));
    Value gradient = Filter(vm, "GradientBevelFilter",
                            {2.0, 1.0, Value(vm.NewArray({23.0, 12.0})), Value(vm.NewArray({0.0, 1.0})),
                             Value(vm.NewArray({0.0, 255.0})), 5.0, 4.0, 5.0, 2.0, "full"});
    auto bevel = swf::script::geom::FilterFromScript(vm, gradient);
    ASSERT_TRUE(bevel);
    const auto& g = std::get<swf::GradientBevelFilter>(*bevel);
    ASSERT_EQ(g.Stops.size(), 2u);
    EXPECT_EQ(g.Stops[1].Color, (swf::Rgba{0, 0, 12, 255}));
    EXPECT_TRUE(g.OnTop);
    // The renderer has no displacement maps: nothing to draw.
    EXPECT_FALSE(swf::script::geom::FilterFromScript(vm, Filter(vm, "DisplacementMapFilter", {})));
    EXPECT_FALSE(swf::script::geom::FilterFromScript(vm, Value(vm.NewObject())));
}

} // namespace
