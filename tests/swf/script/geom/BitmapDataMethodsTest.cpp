#include "GeomTestHelpers.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_geom;
using swf::script::Value;
using swf::script::Vm;

Value Rect(Vm& vm, double x, double y, double w, double h) {
    return New(vm, FlashClass(vm, "geom", "Rectangle"), {x, y, w, h});
}

Value At(Vm& vm, double x, double y) { return New(vm, FlashClass(vm, "geom", "Point"), {x, y}); }

uint32_t Pixel32(Vm& vm, const Value& b, int x, int y) {
    return uint32_t(int32_t(Call(vm, b, "getPixel32", {double(x), double(y)}).Number()));
}

int Count(Vm& vm, const Value& b, uint32_t argb) {
    int n = 0;
    for (int y = 0; y < int(vm.GetMember(b, "height").Number()); ++y)
        for (int x = 0; x < int(vm.GetMember(b, "width").Number()); ++x)
            n += Pixel32(vm, b, x, y) == argb;
    return n;
}

TEST(ScriptBitmapDataThreshold, ComparesStoredWordsAndCountsWhatPasses) {
    Vm vm(8);
    // White and a faint colour, stored premultiplied as 0x12040608.
    Value source = Bitmap(vm, {2.0, 2.0, true, double(0x12345678)});
    Call(vm, source, "setPixel32", {0.0, 0.0, double(0xFFFFFFFF)});
    Call(vm, source, "setPixel32", {1.0, 1.0, double(0xFFFFFFFF)});
    Value rect = Rect(vm, 0, 0, 2, 2);
    auto run = [&](const char* op, bool copy) {
        Value b = Bitmap(vm, {3.0, 3.0, true, double(0xAABBCCDD)});
        double n = Call(vm, b, "threshold",
                        {source, rect, At(vm, 1, 1), op, double(0x33333333), double(0xAAAAAAAA),
                         double(0x00FF0000), copy})
                       .Number();
        return std::pair{n, b};
    };
    // Red 0x39 of the faint pixels is 0x04 stored, below 0x33.
    EXPECT_EQ(run("<", false).first, 2);
    EXPECT_EQ(run(">", false).first, 2);
    EXPECT_EQ(run("==", false).first, 0);
    EXPECT_EQ(run("!=", false).first, 4);
    // Operations it does not know compare with "<".
    EXPECT_EQ(run("=>", false).first, 2);
    auto [n, b] = run(">", true);
    EXPECT_EQ(Pixel32(vm, b, 1, 1), 0xAAA9A9A9u);
    EXPECT_EQ(Pixel32(vm, b, 2, 1), 0x12395571u);
    EXPECT_EQ(Pixel32(vm, b, 0, 0), 0xAABBCCDCu);
    // An opaque bitmap keeps the colour's alpha, as the plug-in's does.
    Value opaque = Bitmap(vm, {3.0, 3.0, false, 0.0});
    Call(vm, opaque, "threshold",
         {source, rect, At(vm, 0, 0), "!=", 0.0, double(0xAAAAAAAA), double(0xFFFFFFFF), false});
    EXPECT_EQ(Pixel32(vm, opaque, 0, 0), 0xAA717171u);
    // A bitmap as its own source reads what was there before the call.
    Value self = Bitmap(vm, {3.0, 1.0, false, double(0xFF000000)});
    EXPECT_EQ(Call(vm, self, "threshold",
                   {self, Rect(vm, 0, 0, 3, 1), At(vm, 1, 0), "==", double(0xFF000000), double(0xFFFF0000),
                    double(0xFFFFFFFF)})
                  .Number(),
              2);
    EXPECT_EQ(Count(vm, self, 0xFFFF0000), 2);
}

TEST(ScriptBitmapDataThreshold, BadArgumentsAnswerWhichOneIsWrong) {
    Vm vm(8);
    Value b = Bitmap(vm, {2.0, 2.0});
    Value rect = Rect(vm, 0, 0, 2, 2);
    Value point = At(vm, 0, 0);
    EXPECT_EQ(Call(vm, b, "threshold", {b, rect, point, "=="}).Number(), -1);
    EXPECT_EQ(Call(vm, b, "threshold", {Value(), rect, point, "==", 0.0}).Number(), -2);
    Value gone = Bitmap(vm, {2.0, 2.0});
    Call(vm, gone, "dispose");
    EXPECT_EQ(Call(vm, b, "threshold", {gone, rect, point, "==", 0.0}).Number(), -3);
    EXPECT_EQ(Call(vm, b, "threshold", {b, Value(vm.NewObject()), point, "==", 0.0}).Number(), -4);
    // No point is the corner; a huge one misses the bitmap.
    EXPECT_EQ(Call(vm, b, "threshold", {b, rect, Value(), "!=", 0.0}).Number(), 4);
    EXPECT_EQ(Call(vm, b, "threshold", {b, rect, At(vm, 2e9, -2e9), "!=", 0.0}).Number(), 0);
    EXPECT_EQ(Call(vm, gone, "threshold", {b, rect, point, "==", 0.0}).Number(), -1);
}

TEST(ScriptBitmapDataDissolve, CallsInARowDissolveEveryCellOnce) {
    Vm vm(8);
    for (auto [w, h, steps] : {std::tuple{10, 10, 1}, {7, 9, 1}, {150, 2, 5}, {10, 10, 0}}) {
        Value b = Bitmap(vm, {double(w), double(h), false, double(0xFFCCCCCC)});
        Value seed = 0.0;
        for (int round = 1; round <= 3; ++round) {
            seed = Call(
                vm, b, "pixelDissolve",
                {b, vm.GetMember(b, "rectangle"), At(vm, 0, 0), seed, double(steps), double(0xFFFF0000)});
            EXPECT_EQ(Count(vm, b, 0xFFFF0000), 1 + round * steps) << w << "x" << h;
        }
        for (int round = 0; steps > 0 && round < w * h; ++round)
            seed = Call(
                vm, b, "pixelDissolve",
                {b, vm.GetMember(b, "rectangle"), At(vm, 0, 0), seed, double(steps), double(0xFFFF0000)});
        EXPECT_EQ(Count(vm, b, 0xFFFF0000), steps > 0 ? w * h : 1);
    }
}

TEST(ScriptBitmapDataDissolve, AreaIsCutToBothBitmapsAndBadArgumentsAnswer) {
    Vm vm(8);
    Value b = Bitmap(vm, {10.0, 10.0, false, double(0xFFCCCCCC)});
    Value seed = 0.0;
    for (int round = 0; round < 40; ++round)
        seed = Call(vm, b, "pixelDissolve",
                    {b, Rect(vm, 0, 0, 3, 7), At(vm, -1, -1), seed, 1.0, double(0xFFFF0000)});
    EXPECT_EQ(Count(vm, b, 0xFFFF0000), 2 * 6);
    // Another bitmap lends its pixels.
    Value other = Bitmap(vm, {10.0, 10.0, false, double(0xFF00FF00)});
    Call(vm, b, "pixelDissolve", {other, Rect(vm, 0, 0, 10, 10), At(vm, 0, 0), 0.0, 99.0});
    EXPECT_EQ(Count(vm, b, 0xFF00FF00), 100);
    EXPECT_EQ(Call(vm, b, "pixelDissolve", {b, Value(), At(vm, 0, 0)}).Number(), -4);
    EXPECT_EQ(Call(vm, b, "pixelDissolve", {5.0, Rect(vm, 0, 0, 2, 2), At(vm, 0, 0)}).Number(), -1);
}

TEST(ScriptBitmapDataCopies, CopyPixelsMergePaletteMapAndScroll) {
    Vm vm(8);
    Value source = Bitmap(vm, {2.0, 2.0, true, double(0x80FF0000)});
    Value b = Bitmap(vm, {3.0, 3.0, true, double(0xFF0000FF)});
    Call(vm, b, "copyPixels", {source, Rect(vm, 0, 0, 2, 2), At(vm, 2, 2)});
    EXPECT_EQ(Pixel32(vm, b, 2, 2), 0x80FF0000u);
    EXPECT_EQ(Pixel32(vm, b, 1, 1), 0xFF0000FFu);
    // Laid over: half red over blue.
    Call(vm, b, "copyPixels", {source, Rect(vm, 0, 0, 2, 2), At(vm, 0, 0), Value(), Value(), true});
    EXPECT_EQ(Pixel32(vm, b, 0, 0), 0xFF80007Fu);
    // The alpha bitmap's transparent pixels keep the source out.
    Value mask = Bitmap(vm, {1.0, 1.0, true, 0.0});
    Call(vm, b, "copyPixels", {source, Rect(vm, 0, 0, 2, 2), At(vm, 0, 0), mask, At(vm, 0, 0)});
    EXPECT_EQ(Pixel32(vm, b, 0, 0), 0u);

    Value red = Bitmap(vm, {1.0, 1.0, false, double(0xFF0000)});
    Value blue = Bitmap(vm, {1.0, 1.0, false, double(0x0000FF)});
    Call(vm, blue, "merge", {red, Rect(vm, 0, 0, 1, 1), At(vm, 0, 0), 128.0, 0.0, 0.0, 0.0});
    // (255 * 128 + 0 * 128) / 256 truncates to 0x7F.
    EXPECT_EQ(Pixel32(vm, blue, 0, 0), 0xFF7F00FFu);

    Value grey = Bitmap(vm, {1.0, 1.0, false, double(0x102030)});
    Value reds = Value(vm.NewArray(std::vector<Value>(256, Value(double(0x00010000)))));
    Call(vm, grey, "paletteMap", {grey, Rect(vm, 0, 0, 1, 1), At(vm, 0, 0), reds});
    // Red's table gives 1 in red; green and blue keep their values.
    EXPECT_EQ(Pixel32(vm, grey, 0, 0), 0xFF012030u);

    Value row = Bitmap(vm, {3.0, 1.0, false, 0.0});
    Call(vm, row, "setPixel", {0.0, 0.0, 1.0});
    Call(vm, row, "setPixel", {1.0, 0.0, 2.0});
    Call(vm, row, "scroll", {1.0, 0.0});
    EXPECT_EQ(Pixel32(vm, row, 0, 0), 0xFF000001u); // left uncovered, kept
    EXPECT_EQ(Pixel32(vm, row, 1, 0), 0xFF000001u);
    EXPECT_EQ(Pixel32(vm, row, 2, 0), 0xFF000002u);
    Call(vm, row, "scroll", {-2e9, 3e9});
    EXPECT_EQ(Pixel32(vm, row, 2, 0), 0xFF000002u);
}

TEST(ScriptBitmapDataSearch, FloodFillColorBoundsAndNoise) {
    Vm vm(8);
    // A wall down the middle keeps the fill on its side.
    Value b = Bitmap(vm, {5.0, 3.0, false, double(0xFFFFFF)});
    for (int y = 0; y < 3; ++y)
        Call(vm, b, "setPixel", {2.0, double(y), 0.0});
    Call(vm, b, "floodFill", {0.0, 1.0, double(0xFF0000)});
    EXPECT_EQ(Count(vm, b, 0xFFFF0000), 6);
    EXPECT_EQ(Pixel32(vm, b, 4, 0), 0xFFFFFFFFu);
    Call(vm, b, "floodFill", {-1.0, 0.0, 0.0});
    EXPECT_EQ(Text(vm, Call(vm, b, "getColorBoundsRect", {double(0xFFFFFFFF), double(0xFFFF0000)})),
              "(x=0, y=0, w=2, h=3)");
    EXPECT_EQ(Text(vm, Call(vm, b, "getColorBoundsRect", {double(0xFFFFFF), double(0xFFFFFF), false})),
              "(x=0, y=0, w=3, h=3)");
    EXPECT_EQ(Text(vm, Call(vm, b, "getColorBoundsRect", {double(0xFFFFFFFF), 1.0})), "(x=0, y=0, w=0, h=0)");

    Value n1 = Bitmap(vm, {4.0, 4.0, true, 0.0}), n2 = Bitmap(vm, {4.0, 4.0, true, 0.0});
    Call(vm, n1, "noise", {7.0, 10.0, 20.0, 1.0});
    Call(vm, n2, "noise", {7.0, 10.0, 20.0, 1.0});
    EXPECT_EQ(Call(vm, n1, "compare", {n2}).Number(), 0);
    for (int x = 0; x < 4; ++x) {
        uint32_t p = Pixel32(vm, n1, x, 1);
        EXPECT_EQ(p & 0xFF00FFFF, 0xFF000000u);
        EXPECT_GE(p >> 16 & 0xFF, 10u);
        EXPECT_LE(p >> 16 & 0xFF, 20u);
    }
}

TEST(ScriptBitmapData, ReadsBackWhatPixelsAndComparesHold) {
    Vm vm(8);
    // Nearly transparent white reads back white: the difference a compare
    // of alpha alone makes.
    Value a = Bitmap(vm, {1.0, 1.0, true, double(0x02FFFFFF)});
    Value b = Bitmap(vm, {1.0, 1.0, true, double(0x01FFFFFF)});
    EXPECT_EQ(Pixel32(vm, b, 0, 0), 0x01FFFFFFu);
    EXPECT_EQ(Pixel32(vm, Call(vm, a, "compare", {b}), 0, 0), 0x01FFFFFFu);
    // hitTest takes the bitmap's own point from the object, not its
    // prototype.
    Value proto = Value(vm.NewObject());
    vm.SetMember(proto, "x", 0.0);
    vm.SetMember(proto, "y", 0.0);
    Value inherits = Value(vm.NewObject(proto.Object()));
    EXPECT_EQ(Call(vm, a, "hitTest", {inherits, 0.0, a}).Number(), -2);
}

TEST(ScriptBitmapData, DrawOfABitmapScalesItsPixelsOntoTheStoredOnes) {
    Vm vm(8);
    Value source = Bitmap(vm, {2.0, 2.0, true, double(0xFFFF0000)});
    Call(vm, source, "setPixel32", {1.0, 1.0, double(0x80000000)});
    Value b = Bitmap(vm, {6.0, 6.0, false, double(0xFFFFFFFF)});
    Value twice = New(vm, FlashClass(vm, "geom", "Matrix"), {2.0, 0.0, 0.0, 2.0, 1.0, 1.0});
    Call(vm, b, "draw", {source, twice});
    EXPECT_EQ(Pixel32(vm, b, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel32(vm, b, 1, 1), 0xFFFF0000u);
    EXPECT_EQ(Pixel32(vm, b, 2, 2), 0xFFFF0000u);
    // Half-transparent black over white.
    EXPECT_NEAR(int(Pixel32(vm, b, 4, 4) & 0xFF), 127, 1);
    EXPECT_EQ(Pixel32(vm, b, 5, 5), 0xFFFFFFFFu);
    // A bitmap drawn into itself reads what it held before.
    Call(vm, source, "draw",
         {source, New(vm, FlashClass(vm, "geom", "Matrix"), {1.0, 0.0, 0.0, 1.0, 1.0, 0.0})});
    EXPECT_EQ(Pixel32(vm, source, 1, 0), 0xFFFF0000u);
}

Value NewFilter(Vm& vm, const char* name, std::initializer_list<Value> args) {
    return New(vm, FlashClass(vm, "filters", name), args);
}

TEST(ScriptBitmapData, ApplyFilterRunsTheClipFiltersOverTheRectangle) {
    Vm vm(8);
    // Red and blue swapped, from the source's corner to the point.
    Value swap = vm.NewArray();
    const double rows[20] = {0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    for (int i = 0; i < 20; ++i)
        vm.SetMember(swap, std::to_string(i), rows[i]);
    Value red = Bitmap(vm, {4.0, 4.0, false, double(0xFFFF0000)});
    Value b = Bitmap(vm, {4.0, 4.0, true, 0.0});
    Value matrix = NewFilter(vm, "ColorMatrixFilter", {swap});
    EXPECT_EQ(Call(vm, b, "applyFilter", {red, Rect(vm, 0, 0, 2, 2), At(vm, 1, 1), matrix}).Number(), 0);
    EXPECT_EQ(Pixel32(vm, b, 0, 0), 0u);
    EXPECT_EQ(Pixel32(vm, b, 1, 1), 0xFF0000FFu);
    EXPECT_EQ(Pixel32(vm, b, 2, 2), 0xFF0000FFu);
    EXPECT_EQ(Pixel32(vm, b, 3, 3), 0u);
    // One white pixel blurred spreads beyond its rectangle, keeping its
    // weight and its symmetry.
    Value dot = Bitmap(vm, {9.0, 9.0, true, 0.0});
    Call(vm, dot, "setPixel32", {4.0, 4.0, double(0xFFFFFFFF)});
    Value blurred = Bitmap(vm, {9.0, 9.0, true, 0.0});
    Value blur = NewFilter(vm, "BlurFilter", {3.0, 3.0, 1.0});
    Call(vm, blurred, "applyFilter", {dot, Rect(vm, 4, 4, 1, 1), At(vm, 4, 4), blur});
    int total = 0;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            uint32_t alpha = Pixel32(vm, blurred, x, y) >> 24;
            total += alpha;
            EXPECT_EQ(alpha, Pixel32(vm, blurred, 8 - x, y) >> 24);
            EXPECT_EQ(alpha, Pixel32(vm, blurred, y, x) >> 24);
        }
    EXPECT_NEAR(total, 255, 12);
    EXPECT_GT(Pixel32(vm, blurred, 3, 4) >> 24, 0u);
    EXPECT_LT(Pixel32(vm, blurred, 4, 4) >> 24, 128u);
    // A glow paints around an opaque square in its colour.
    Value square = Bitmap(vm, {12.0, 12.0, true, 0.0});
    Call(vm, square, "fillRect", {Rect(vm, 4, 4, 4, 4), double(0xFF000000)});
    Value glow = NewFilter(vm, "GlowFilter", {double(0x00FF00), 1.0, 4.0, 4.0, 2.0, 1.0});
    Call(vm, square, "applyFilter", {square, Rect(vm, 0, 0, 12, 12), At(vm, 0, 0), glow});
    EXPECT_EQ(Pixel32(vm, square, 5, 5), 0xFF000000u);
    EXPECT_EQ(Pixel32(vm, square, 3, 5) & 0xFFFFFF, 0x00FF00u);
    EXPECT_GT(Pixel32(vm, square, 3, 5) >> 24, 0u);
    // Arguments that are no bitmap, rectangle, point or filter.
    EXPECT_EQ(Call(vm, b, "applyFilter", {0.0, Rect(vm, 0, 0, 1, 1), At(vm, 0, 0), blur}).Number(), -2);
    EXPECT_EQ(Call(vm, b, "applyFilter", {red, 0.0, At(vm, 0, 0), blur}).Number(), -3);
    EXPECT_EQ(Call(vm, b, "applyFilter", {red, Rect(vm, 0, 0, 1, 1), 0.0, blur}).Number(), -4);
    EXPECT_EQ(Call(vm, b, "applyFilter", {red, Rect(vm, 0, 0, 1, 1), At(vm, 0, 0), red}).Number(), -5);
}

TEST(ScriptBitmapData, GenerateFilterRectGrowsByWhatTheFilterPaints) {
    Vm vm(8);
    Value b = Bitmap(vm, {4.0, 4.0, true, 0.0});
    auto grown = [&](const Value& filter) {
        Value r = Call(vm, b, "generateFilterRect", {Rect(vm, 10, 10, 20, 20), filter});
        return std::vector<double>{vm.GetMember(r, "x").Number(), vm.GetMember(r, "y").Number(),
                                   vm.GetMember(r, "width").Number(), vm.GetMember(r, "height").Number()};
    };
    auto blur = grown(NewFilter(vm, "BlurFilter", {8.0, 0.0, 1.0}));
    EXPECT_LT(blur[0], 10);
    EXPECT_EQ(blur[1], 10);
    EXPECT_EQ(blur[2], 20 + 2 * (10 - blur[0]));
    EXPECT_EQ(blur[3], 20);
    // A shadow thrown 10 pixels right reaches past the blur's reach there.
    auto shadow = grown(NewFilter(vm, "DropShadowFilter", {10.0, 0.0, 0.0, 1.0, 2.0, 2.0}));
    EXPECT_GE(shadow[0] + shadow[2], 10 + 20 + 10 + 1);
    EXPECT_TRUE(Call(vm, b, "generateFilterRect", {Rect(vm, 0, 0, 1, 1), b}).IsUndefined());
}

} // namespace
