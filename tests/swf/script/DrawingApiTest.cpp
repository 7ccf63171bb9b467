#include "../RenderHelpers.h"
#include "../ScriptHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <variant>

namespace {

using namespace testing_swf;
using Value = std::variant<double, std::string>;

constexpr uint32_t Red = 0xffff0000, Blue = 0xff0000ff, Green = 0xff00ff00;

ActionAssembler& PushAll(ActionAssembler& a, const std::vector<Value>& values) {
    for (auto it = values.rbegin(); it != values.rend(); ++it)
        std::visit([&a](const auto& v) { a.Push(v); }, *it);
    return a;
}

// path.method(args...), its result dropped; `path` is a clip's target path.
void Call(ActionAssembler& a, const std::string& path, const std::string& method,
          const std::vector<Value>& args) {
    PushAll(a, args).Push(double(args.size())).Push(path).Op(act::GetVariable).Push(method);
    a.Op(act::CallMethod).Op(act::Pop);
}

void Square(ActionAssembler& a, const std::string& clip, double x0, double y0, double x1, double y1) {
    Call(a, clip, "moveTo", {x0, y0});
    Call(a, clip, "lineTo", {x1, y0});
    Call(a, clip, "lineTo", {x1, y1});
    Call(a, clip, "lineTo", {x0, y1});
}

Frame Drawn(const ActionAssembler& a) { return RenderMovie(ActionMovie(a), swf::Quality::Low); }

TEST(ScriptDrawing, LaterFillsCoverEarlierOnesAndAClipsChildrenCoverItsDrawing) {
    ActionAssembler a;
    Call(a, "_root", "createEmptyMovieClip", {"c", 1.0});
    Call(a, "c", "beginFill", {double(0xff0000)});
    Square(a, "c", 10, 10, 50, 50);
    Call(a, "c", "beginFill", {double(0x0000ff), 100.0});
    Square(a, "c", 30, 30, 70, 70);
    Call(a, "c", "endFill", {});
    Call(a, "c", "createEmptyMovieClip", {"child", 1.0});
    Call(a, "c.child", "beginFill", {double(0x00ff00)});
    Square(a, "c.child", 60, 60, 90, 90);
    // Drawn after the child was made, and still beneath it.
    Call(a, "c", "beginFill", {0.0});
    Square(a, "c", 75, 75, 95, 95);
    Frame f = Drawn(a);
    EXPECT_EQ(f.At(20, 20), Red);
    EXPECT_EQ(f.At(40, 40), Blue);
    EXPECT_EQ(f.At(65, 65), Green);
    EXPECT_EQ(f.At(85, 85), Green);
    EXPECT_EQ(f.At(93, 93), 0xff000000u);
}

TEST(ScriptDrawing, LinesAndHalfTransparentFillsShowOverTheStage) {
    ActionAssembler a;
    Call(a, "_root", "beginFill", {double(0xff0000), 50.0});
    Call(a, "_root", "lineStyle", {4.0, double(0x0000ff)});
    Square(a, "_root", 20, 20, 80, 80);
    Call(a, "_root", "endFill", {});
    Call(a, "_root", "lineStyle", {});
    Call(a, "_root", "moveTo", {0.0, 95.0});
    Call(a, "_root", "lineTo", {100.0, 95.0});
    Frame f = Drawn(a);
    uint32_t half = f.At(50, 50);
    EXPECT_NEAR(int(half >> 8 & 0xff), 128, 2); // red at 50% over white
    EXPECT_EQ(half >> 16 & 0xff, 0xffu);
    EXPECT_EQ(f.At(50, 20), Blue);
    // The closing line of the ended fill is drawn too.
    EXPECT_EQ(f.At(20, 50), Blue);
    // After lineStyle() with no thickness the pen draws nothing.
    EXPECT_EQ(f.At(50, 95), f.At(50, 5));
}

TEST(ScriptDrawing, DuplicatesStartWithTheDrawingAndClearTakesItAway) {
    ActionAssembler a;
    Call(a, "_root", "createEmptyMovieClip", {"c", 1.0});
    Call(a, "c", "beginFill", {double(0x00ff00)});
    Square(a, "c", 0, 0, 20, 20);
    Call(a, "c", "endFill", {});
    Call(a, "c", "duplicateMovieClip", {"d", 2.0});
    a.Push("d").Op(act::GetVariable).Push("_x").Push(50.0).Op(act::SetMember);
    Call(a, "c", "clear", {});
    Frame f = Drawn(a);
    EXPECT_EQ(f.At(60, 10), Green);
    EXPECT_NE(f.At(10, 10), Green);
}

// c.beginGradientFill("linear", [red, blue], [100, 100], [0, last], box)
// for a 100-pixel box, then extra calls; a 100-pixel square.
Frame GradientSquare(double last, const std::function<void(ActionAssembler&)>& after) {
    ActionAssembler a;
    Call(a, "_root", "createEmptyMovieClip", {"c", 1.0});
    a.Push("matrixType").Push("box").Push("x").Push(0.0).Push("y").Push(0.0).Push("w").Push(100.0);
    a.Push("h").Push(100.0).Push("r").Push(0.0).Push(6.0).Op(act::InitObject);
    a.Push(last).Push(0.0).Push(2.0).Op(act::InitArray);
    a.Push(100.0).Push(100.0).Push(2.0).Op(act::InitArray);
    a.Push(double(0x0000ff)).Push(double(0xff0000)).Push(2.0).Op(act::InitArray);
    a.Push("linear").Push(5.0).Push("c").Op(act::GetVariable).Push("beginGradientFill");
    a.Op(act::CallMethod).Op(act::Pop);
    after(a);
    Square(a, "c", 0, 0, 100, 100);
    return Drawn(a);
}

TEST(ScriptDrawing, GradientFillsSpanTheirBoxAndRefusedCallsChangeNothing) {
    auto none = [](ActionAssembler&) {};
    Frame f = GradientSquare(255, none);
    EXPECT_GT(f.At(3, 50) >> 16 & 0xff, 240u);
    EXPECT_GT(f.At(96, 50) & 0xff, 240u);
    EXPECT_NEAR(int(f.At(50, 50) & 0xff), 128, 3);
    // A ratio of 256 is refused: nothing is filled.
    Frame white = RenderMovie(ActionMovie(ActionAssembler()), swf::Quality::Low);
    EXPECT_EQ(GradientSquare(256, none).At(50, 50), white.At(50, 50));
    // Too many arguments: refused, the gradient stays.
    Frame kept = GradientSquare(255, [](ActionAssembler& a) {
        Call(a, "c", "beginGradientFill", {"radial", 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0});
    });
    EXPECT_EQ(kept.At(50, 50), f.At(50, 50));
    // No type at all ends the fill.
    Frame ended = GradientSquare(255, [](ActionAssembler& a) { Call(a, "c", "beginGradientFill", {}); });
    EXPECT_EQ(ended.At(50, 50), white.At(50, 50));
}

TEST(ScriptDrawing, AFocalPointIsKeptIn256ths) {
    // c.beginGradientFill("radial", [red, blue], [100, 100], [0, 255], box,
    // "reflect", "RGB", 0.9) over a 100-pixel box and square...
    ActionAssembler a;
    Call(a, "_root", "createEmptyMovieClip", {"c", 1.0});
    a.Push(0.9).Push("RGB").Push("reflect");
    a.Push("matrixType").Push("box").Push("x").Push(0.0).Push("y").Push(0.0).Push("w").Push(100.0);
    a.Push("h").Push(100.0).Push("r").Push(0.0).Push(6.0).Op(act::InitObject);
    a.Push(255.0).Push(0.0).Push(2.0).Op(act::InitArray);
    a.Push(100.0).Push(100.0).Push(2.0).Op(act::InitArray);
    a.Push(double(0x0000ff)).Push(double(0xff0000)).Push(2.0).Op(act::InitArray);
    a.Push("radial").Push(8.0).Push("c").Op(act::GetVariable).Push("beginGradientFill");
    a.Op(act::CallMethod).Op(act::Pop);
    Square(a, "c", 0, 0, 100, 100);
    // ...draws as a shape whose record holds the focal point as 230/256: the
    // rings beyond the circle, near the focus, tell 0.9 from 0.8984.
    swfw::ShapeBuilder s(4);
    swfw::Transform m{2000.0 / 32768, 0, 0, 2000.0 / 32768, 1000, 1000};
    s.Styles(0, s.GradientFill(0x13, m, {{0, {255, 0, 0, 255}}, {255, {0, 0, 255, 255}}}, 1, 0, 230.0 / 256),
             0);
    Box(s, 0, 0, 2000, 2000);
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 12);
    w.Tag(swfw::code::DefineShape4, swfw::ShapeBody(1, 4, {0, 2000, 0, 2000}, s));
    PlaceAt(w, 1, 1);
    w.ShowFrame();
    Frame drawn = Drawn(a), shape = RenderMovie(w.Build(), swf::Quality::Low);
    EXPECT_EQ(drawn.Pixels, shape.Pixels);
}

// b = new flash.display.BitmapData(10, 10, false, red).
void NewRedBitmap(ActionAssembler& a) {
    a.Push("b");
    a.Push(double(0xff0000)).PushBool(false).Push(10.0).Push(10.0).Push(4.0);
    a.Push("flash").Op(act::GetVariable).Push("display").Op(act::GetMember).Push("BitmapData");
    a.Op(act::NewMethod).Op(act::SetVariable);
}

// b (NewRedBitmap); c fills a 20-pixel
// square with it; then `after` runs.
Frame BitmapSquare(const std::function<void(ActionAssembler&)>& after) {
    ActionAssembler a;
    NewRedBitmap(a);
    Call(a, "_root", "createEmptyMovieClip", {"c", 1.0});
    a.Push("b").Op(act::GetVariable).Push(1.0).Push("c").Op(act::GetVariable).Push("beginBitmapFill");
    a.Op(act::CallMethod).Op(act::Pop);
    Square(a, "c", 0, 0, 20, 20);
    after(a);
    return Drawn(a);
}

TEST(ScriptDrawing, BitmapFillsRepeatTheBitmapAsItIsWhenDrawn) {
    Frame f = BitmapSquare([](ActionAssembler&) {});
    EXPECT_EQ(f.At(5, 5), Red);
    EXPECT_EQ(f.At(15, 15), Red);
    // Pixels set after beginBitmapFill show; a disposed bitmap shows nothing.
    Frame changed = BitmapSquare([](ActionAssembler& a) {
        Call(a, "b", "setPixel", {3.0, 3.0, double(0x0000ff)});
    });
    EXPECT_EQ(changed.At(3, 3), Blue);
    EXPECT_EQ(changed.At(13, 13), Blue);
    EXPECT_EQ(changed.At(4, 3), Red);
    Frame gone = BitmapSquare([](ActionAssembler& a) { Call(a, "b", "dispose", {}); });
    Frame white = RenderMovie(ActionMovie(ActionAssembler()), swf::Quality::Low);
    EXPECT_EQ(gone.At(5, 5), white.At(5, 5));
}

// b = a 10x10 opaque red BitmapData attached to clip c (moved to 30, 40)
// at depth 2; then `after` runs.
Frame AttachedBitmap(const std::function<void(ActionAssembler&)>& after) {
    ActionAssembler a;
    NewRedBitmap(a);
    Call(a, "_root", "createEmptyMovieClip", {"c", 1.0});
    a.Push(2.0).Push("b").Op(act::GetVariable).Push(2.0).Push("c").Op(act::GetVariable).Push("attachBitmap");
    a.Op(act::CallMethod).Op(act::Pop);
    a.Push("c").Op(act::GetVariable).Push("_x").Push(30.0).Op(act::SetMember);
    a.Push("c").Op(act::GetVariable).Push("_y").Push(40.0).Op(act::SetMember);
    after(a);
    return Drawn(a);
}

TEST(ScriptDrawing, AttachedBitmapsShowTheirPixelsAsTheyAreWhenDrawn) {
    Frame f = AttachedBitmap([](ActionAssembler&) {});
    EXPECT_EQ(f.At(30, 40), Red);
    EXPECT_EQ(f.At(39, 49), Red);
    EXPECT_EQ(f.At(40, 50), 0xffffffffu);
    EXPECT_EQ(f.At(29, 39), 0xffffffffu);
    Frame changed = AttachedBitmap([](ActionAssembler& a) {
        Call(a, "b", "setPixel", {3.0, 4.0, double(0x0000ff)});
        // Drawing beneath the bitmap stays beneath it.
        Call(a, "c", "beginFill", {double(0x00ff00)});
        Square(a, "c", -5, -5, 15, 15);
    });
    EXPECT_EQ(changed.At(33, 44), Blue);
    EXPECT_EQ(changed.At(34, 44), Red);
    EXPECT_EQ(changed.At(42, 42), Green);
    Frame gone = AttachedBitmap([](ActionAssembler& a) { Call(a, "b", "dispose", {}); });
    EXPECT_EQ(gone.At(35, 45), 0xffffffffu);
    // A clip made at the same depth takes the bitmap's place.
    Frame replaced = AttachedBitmap([](ActionAssembler& a) {
        Call(a, "c", "createEmptyMovieClip", {"d", 2.0});
    });
    EXPECT_EQ(replaced.At(35, 45), 0xffffffffu);
}

TEST(ScriptDrawing, CachedClipsShowTheirBitmapDatasChanges) {
    // Frame 1 shows a red bitmap in two clips kept as bitmaps, attached to
    // c and as the fill of e's drawing; frame 2 paints a pixel of it blue.
    ActionAssembler first;
    first.Push("b");
    first.Push(double(0xff0000)).PushBool(false).Push(10.0).Push(10.0).Push(4.0);
    first.Push("flash").Op(act::GetVariable).Push("display").Op(act::GetMember).Push("BitmapData");
    first.Op(act::NewMethod).Op(act::SetVariable);
    Call(first, "_root", "createEmptyMovieClip", {"c", 1.0});
    first.Push(2.0).Push("b").Op(act::GetVariable).Push(2.0).Push("c").Op(act::GetVariable);
    first.Push("attachBitmap").Op(act::CallMethod).Op(act::Pop);
    Call(first, "_root", "createEmptyMovieClip", {"e", 2.0});
    first.Push("b").Op(act::GetVariable).Push(1.0).Push("e").Op(act::GetVariable).Push("beginBitmapFill");
    first.Op(act::CallMethod).Op(act::Pop);
    Square(first, "e", 0, 0, 10, 10);
    // Away from the view's edge, where kept layers would be cut.
    for (const char* clip : {"c", "e"}) {
        first.Push(clip).Op(act::GetVariable).Push("cacheAsBitmap").PushBool(true).Op(act::SetMember);
        first.Push(clip).Op(act::GetVariable).Push("_y").Push(20.0).Op(act::SetMember);
    }
    first.Push("c").Op(act::GetVariable).Push("_x").Push(20.0).Op(act::SetMember);
    first.Push("e").Op(act::GetVariable).Push("_x").Push(50.0).Op(act::SetMember);
    ActionAssembler second;
    Call(second, "b", "setPixel", {3.0, 3.0, double(0x0000ff)});
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 12);
    DoAction(w, first);
    w.ShowFrame();
    DoAction(w, second);
    w.ShowFrame();
    swf::Player player;
    player.Load(w.Build());
    Frame before = Render(player, swf::Quality::Low);
    EXPECT_EQ(before.At(23, 23), Red);
    EXPECT_EQ(before.At(53, 23), Red);
    player.Advance();
    Frame after = Render(player, swf::Quality::Low);
    EXPECT_EQ(after.At(23, 23), Blue);
    EXPECT_EQ(after.At(53, 23), Blue);
}

// Leaves new flash.PACKAGE.NAME(args...) on the stack.
void PushNew(ActionAssembler& a, const char* package, const char* name, const std::vector<Value>& args) {
    PushAll(a, args).Push(double(args.size()));
    a.Push("flash").Op(act::GetVariable).Push(package).Op(act::GetMember).Push(name).Op(act::NewMethod);
}

// c holds a red 10-pixel square drawn at its origin and sits at (50, 50);
// b, a 40x40 blue bitmap, is drawn into by `draw` and shown by clip d at
// (60, 0).
Frame DrawnIntoBitmap(const std::function<void(ActionAssembler&)>& draw) {
    ActionAssembler a;
    Call(a, "_root", "createEmptyMovieClip", {"c", 1.0});
    Call(a, "c", "beginFill", {double(0xff0000)});
    Square(a, "c", 0, 0, 10, 10);
    a.Push("c").Op(act::GetVariable).Push("_x").Push(50.0).Op(act::SetMember);
    a.Push("c").Op(act::GetVariable).Push("_y").Push(50.0).Op(act::SetMember);
    a.Push("b");
    PushNew(a, "display", "BitmapData", {40.0, 40.0, 0.0, double(0x0000ff)});
    a.Op(act::SetVariable);
    draw(a);
    Call(a, "_root", "createEmptyMovieClip", {"d", 2.0});
    a.Push(1.0).Push("b").Op(act::GetVariable).Push(2.0).Push("d").Op(act::GetVariable).Push("attachBitmap");
    a.Op(act::CallMethod).Op(act::Pop);
    a.Push("d").Op(act::GetVariable).Push("_x").Push(60.0).Op(act::SetMember);
    return Drawn(a);
}

TEST(ScriptDrawing, BitmapDataDrawRendersAClipsContentThroughTheMatrix) {
    // draw(c, new Matrix(2, 0, 0, 2, 5, 5)): c's own placement is left out.
    Frame f = DrawnIntoBitmap([](ActionAssembler& a) {
        PushNew(a, "geom", "Matrix", {2.0, 0.0, 0.0, 2.0, 5.0, 5.0});
        a.Push("c").Op(act::GetVariable).Push(2.0).Push("b").Op(act::GetVariable).Push("draw");
        a.Op(act::CallMethod).Op(act::Pop);
    });
    EXPECT_EQ(f.At(64, 4), Blue);
    EXPECT_EQ(f.At(66, 6), Red);
    EXPECT_EQ(f.At(84, 24), Red);
    EXPECT_EQ(f.At(86, 26), Blue);
    // Without a matrix, cut by the clip rectangle, half transparent through
    // the colour transform and multiplied onto the blue.
    Frame cut = DrawnIntoBitmap([](ActionAssembler& a) {
        PushNew(a, "geom", "Rectangle", {0.0, 0.0, 5.0, 40.0});
        a.Push("multiply");
        PushNew(a, "geom", "ColorTransform", {1.0, 1.0, 1.0, 0.5, 0.0, 0.0, 0.0, 0.0});
        a.PushNull();
        a.Push("c").Op(act::GetVariable).Push(5.0).Push("b").Op(act::GetVariable).Push("draw");
        a.Op(act::CallMethod).Op(act::Pop);
    });
    EXPECT_EQ(cut.At(67, 7), Blue);
    // Red times blue is black, at half strength: half the blue is left.
    EXPECT_NEAR(int(cut.At(62, 2) & 0xff), 128, 2);
    EXPECT_EQ(cut.At(62, 2) & 0xffff00, 0u);
    EXPECT_EQ(cut.At(62, 12), Blue);
}

} // namespace
