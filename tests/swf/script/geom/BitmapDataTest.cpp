#include "../../ScriptHelpers.h"
#include "GeomTestHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_geom;
using swf::script::Value;
using swf::script::Vm;

TEST(ScriptBitmapData, SizesBeyondTheVersionsLimitsMakeNothing) {
    Vm swf9(9);
    EXPECT_TRUE(Bitmap(swf9, {2880.0, 2880.0}).IsObject());
    EXPECT_TRUE(Bitmap(swf9, {2881.0, 1.0}).IsUndefined());
    EXPECT_TRUE(Bitmap(swf9, {0.0, 5.0}).IsUndefined());
    EXPECT_TRUE(Bitmap(swf9, {5.0}).IsUndefined());
    EXPECT_TRUE(Bitmap(swf9, {Value(), 5.0}).IsUndefined());
    Vm swf10(10);
    EXPECT_TRUE(Bitmap(swf10, {8191.0, 2048.0}).IsObject());
    // Each side fits but the whole is too large.
    EXPECT_TRUE(Bitmap(swf10, {8191.0, 8191.0}).IsUndefined());
}

TEST(ScriptBitmapData, PixelsRoundTripThroughPremultipliedStorage) {
    Vm vm(8);
    Value b = Bitmap(vm, {3.0, 3.0, true, double(0xAABBCCDD)});
    EXPECT_EQ(vm.GetMember(b, "width").Number(), 3);
    // The plug-in's rounding: blue 0xDD comes back as 0xDC.
    EXPECT_EQ(uint32_t(int32_t(Call(vm, b, "getPixel32", {1.0, 2.0}).Number())), 0xAABBCCDCu);
    EXPECT_EQ(Call(vm, b, "getPixel", {1.0, 2.0}).Number(), double(0xBBCCDC));
    EXPECT_EQ(Call(vm, b, "getPixel", {10.0, 2.0}).Number(), 0);
    EXPECT_EQ(Call(vm, b, "getPixel", {1.0}).Number(), -1);
    Call(vm, b, "setPixel32", {0.0, 0.0, double(0x12345678)});
    EXPECT_EQ(uint32_t(int32_t(Call(vm, b, "getPixel32", {0.0, 0.0}).Number())), 0x12395571u);
    // setPixel keeps the alpha there is.
    Call(vm, b, "setPixel", {0.0, 0.0, double(0xFFFFFF)});
    EXPECT_EQ(uint32_t(int32_t(Call(vm, b, "getPixel32", {0.0, 0.0}).Number())), 0x12FFFFFFu);
    Value opaque = Bitmap(vm, {2.0, 2.0, false, double(0x12345678)});
    EXPECT_EQ(uint32_t(int32_t(Call(vm, opaque, "getPixel32", {1.0, 1.0}).Number())), 0xFF345678u);
    Call(vm, b, "dispose");
    EXPECT_EQ(Call(vm, b, "getPixel", {1.0, 2.0}).Number(), -1);
    EXPECT_EQ(vm.GetMember(b, "width").Number(), -1);
}

TEST(ScriptBitmapData, FillColorTransformAndCompareWorkOnTheirRectangles) {
    Vm vm(8);
    Value b = Bitmap(vm, {3.0, 3.0, false, 0.0});
    Value rect = New(vm, FlashClass(vm, "geom", "Rectangle"), {1.0, 1.0, 5.0, 5.0});
    Call(vm, b, "fillRect", {rect, double(0xFF0000)});
    EXPECT_EQ(Call(vm, b, "getPixel", {0.0, 0.0}).Number(), 0);
    EXPECT_EQ(Call(vm, b, "getPixel", {2.0, 2.0}).Number(), double(0xFF0000));
    Value ct = New(vm, FlashClass(vm, "geom", "ColorTransform"), {0.0, 1.0, 1.0, 1.0, 0.0, 0.0, 255.0, 0.0});
    EXPECT_EQ(Call(vm, b, "colorTransform", {rect, ct}).Number(), -1);
    EXPECT_EQ(Call(vm, b, "getPixel", {2.0, 2.0}).Number(), double(0x0000FF));
    EXPECT_EQ(Call(vm, b, "colorTransform", {Value(vm.NewObject()), ct}).Number(), -2);
    EXPECT_EQ(Call(vm, b, "colorTransform", {rect, Value(vm.NewObject())}).Number(), -3);
    Value copy = Call(vm, b, "clone");
    EXPECT_EQ(Call(vm, b, "compare", {copy}).Number(), 0);
    Call(vm, copy, "setPixel", {0.0, 0.0, double(0x010203)});
    Value diff = Call(vm, b, "compare", {copy});
    EXPECT_EQ(uint32_t(int32_t(Call(vm, diff, "getPixel32", {0.0, 0.0}).Number())), 0xFFFFFEFDu);
    EXPECT_EQ(Call(vm, b, "compare", {Bitmap(vm, {4.0, 3.0})}).Number(), -3);
    EXPECT_EQ(Call(vm, b, "compare", {Bitmap(vm, {3.0, 4.0})}).Number(), -4);
    EXPECT_EQ(Call(vm, b, "compare", {Value()}).Number(), -2);
}

TEST(ScriptBitmapData, HitTestAgainstPointsRectanglesAndBitmaps) {
    Vm vm(8);
    Value point = FlashClass(vm, "geom", "Point");
    Value b = Bitmap(vm, {3.0, 3.0, true, double(0xAABBCCDD)});
    Value at = New(vm, point, {1.0, 1.0});
    EXPECT_TRUE(vm.ToBoolean(Call(vm, b, "hitTest", {at, 100.0, at})));
    EXPECT_FALSE(vm.ToBoolean(Call(vm, b, "hitTest", {at, 200.0, at})));
    EXPECT_FALSE(vm.ToBoolean(Call(vm, b, "hitTest", {at, 100.0, New(vm, point, {100.0, 100.0})})));
    EXPECT_EQ(Call(vm, b, "hitTest", {at, 100.0}).Number(), -1);
    EXPECT_EQ(Call(vm, b, "hitTest", {Value(), 100.0, at}).Number(), -2);
    EXPECT_EQ(Call(vm, b, "hitTest", {at, 100.0, Value(vm.NewObject())}).Number(), -3);
    // A huge rectangle is cut to the bitmap before it is searched.
    Value huge = New(vm, FlashClass(vm, "geom", "Rectangle"), {-1e9, -1e9, 2e9, 2e9});
    EXPECT_TRUE(vm.ToBoolean(Call(vm, b, "hitTest", {at, 100.0, huge})));
    Value faint = Bitmap(vm, {3.0, 3.0, true, double(0x12345678)});
    EXPECT_TRUE(vm.ToBoolean(Call(vm, b, "hitTest", {at, 100.0, faint, at})));
    EXPECT_FALSE(vm.ToBoolean(Call(vm, b, "hitTest", {at, 100.0, faint, at, 100.0})));
    EXPECT_EQ(Call(vm, b, "hitTest", {at, 100.0, faint, Value()}).Number(), -4);
}

TEST(ScriptBitmapData, CopyChannelMovesOneByteAndTakesOnlyWholeChannels) {
    Vm vm(8);
    Value point = New(vm, FlashClass(vm, "geom", "Point"), {1.0, 0.0});
    Value rect = New(vm, FlashClass(vm, "geom", "Rectangle"), {0.0, 0.0, 1.0, 1.0});
    Value source = Bitmap(vm, {1.0, 1.0, false, double(0x123456)});
    Value b = Bitmap(vm, {2.0, 1.0, false, 0.0});
    // Green of the source into the red of the pixel at (1, 0).
    EXPECT_EQ(Call(vm, b, "copyChannel", {source, rect, point, 2.0, 1.0}).Number(), -1);
    EXPECT_EQ(Call(vm, b, "getPixel", {1.0, 0.0}).Number(), double(0x340000));
    EXPECT_EQ(Call(vm, b, "getPixel", {0.0, 0.0}).Number(), 0);
    // A destination that is no single channel changes nothing, a source
    // that is none copies zeros.
    Call(vm, b, "copyChannel", {source, rect, point, 2.0, 3.0});
    EXPECT_EQ(Call(vm, b, "getPixel", {1.0, 0.0}).Number(), double(0x340000));
    Call(vm, b, "copyChannel", {source, rect, point, 10.0, 1.0});
    EXPECT_EQ(Call(vm, b, "getPixel", {1.0, 0.0}).Number(), 0);
    EXPECT_EQ(Call(vm, b, "copyChannel", {Value(), rect, point, 2.0, 1.0}).Number(), -2);
    EXPECT_EQ(Call(vm, b, "copyChannel", {source, Value(), point, 2.0, 1.0}).Number(), -4);
}

TEST(ScriptBitmapData, ConstructorArgumentsAndClonesFollowThePlugIn) {
    Vm vm(8);
    // A transparency given as null or undefined is false; left out, true.
    EXPECT_FALSE(vm.ToBoolean(vm.GetMember(Bitmap(vm, {2.0, 2.0, Value::Null()}), "transparent")));
    EXPECT_FALSE(vm.ToBoolean(vm.GetMember(Bitmap(vm, {2.0, 2.0, Value()}), "transparent")));
    EXPECT_TRUE(vm.ToBoolean(vm.GetMember(Bitmap(vm, {2.0, 2.0}), "transparent")));
    // Left out, the fill is opaque white; given as anything else, a number.
    EXPECT_EQ(uint32_t(int32_t(Call(vm, Bitmap(vm, {1.0, 1.0}), "getPixel32", {0.0, 0.0}).Number())),
              0xFFFFFFFFu);
    EXPECT_EQ(Call(vm, Bitmap(vm, {1.0, 1.0, true, Value::Null()}), "getPixel32", {0.0, 0.0}).Number(), 0);
    Value b = Bitmap(vm, {2.0, 1.0, true, double(0x80FF0000)});
    Value copy = Call(vm, b, "clone");
    Call(vm, copy, "setPixel32", {0.0, 0.0, 0.0});
    EXPECT_EQ(uint32_t(int32_t(Call(vm, b, "getPixel32", {0.0, 0.0}).Number())), 0x80FF0000u);
    EXPECT_EQ(Text(vm, vm.GetMember(copy, "rectangle")), "(x=0, y=0, w=2, h=1)");
    Call(vm, b, "dispose");
    EXPECT_TRUE(Call(vm, b, "clone").IsUndefined());
}

TEST(ScriptBitmapData, LoadBitmapCopiesAnExportedBitmap) {
    using namespace testing_swf;
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 12);
    std::vector<uint32_t> pixels(6, 0);
    pixels[1] = 0xFF112233;
    w.Tag(swfw::code::DefineBitsLossless2, swfw::LosslessBody(1, 2, 3, 2, pixels));
    Export(w, 1, "pic");
    ActionAssembler a;
    auto load = [&a](const char* name) {
        a.Push(name).Push(1.0).Push("flash").Op(act::GetVariable).Push("display").Op(act::GetMember);
        a.Push("BitmapData").Op(act::GetMember).Push("loadBitmap").Op(act::CallMethod);
    };
    a.Push("b");
    load("PIC");
    a.Op(act::SetVariable);
    for (const char* name : {"width", "height", "transparent"})
        a.Push("b").Op(act::GetVariable).Push(name).Op(act::GetMember).Op(act::Trace);
    a.Push(0.0).Push(1.0).Push(2.0).Push("b").Op(act::GetVariable).Push("getPixel").Op(act::CallMethod);
    a.Op(act::Trace);
    load("none");
    a.Op(act::Trace);
    DoAction(w, a);
    w.ShowFrame();
    EXPECT_EQ(RunMovie(w.Build()).Lines,
              (std::vector<std::string>{"3", "2", "true", "1122867", "undefined"}));
}

} // namespace
