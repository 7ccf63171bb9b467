#include "../RenderHelpers.h"
#include "../ScriptHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace testing_swf;

constexpr uint32_t Red = 0xffff0000, Green = 0xff00ff00, Blue = 0xff0000ff, White = 0xffffffff;

struct Probe {
    int X, Y;
    uint32_t Color;
};

void ExpectAt(const Frame& f, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(f.At(p.X, p.Y), p.Color) << "at " << p.X << ", " << p.Y;
}

// clip.setMask(mask); an empty mask path passes null.
void SetMask(ActionAssembler& a, const std::string& clip, const std::string& mask) {
    if (mask.empty())
        a.PushNull();
    else
        a.Push(mask).Op(act::GetVariable);
    a.Push(1.0).Push(clip).Op(act::GetVariable).Push("setMask").Op(act::CallMethod).Op(act::Pop);
}

void DefineSpriteOf(swfw::MovieWriter& w, uint16_t id, uint16_t content, const std::string& name = "") {
    swfw::MovieWriter sprite(10, {}, 12);
    if (name.empty())
        PlaceAt(sprite, 1, content);
    else
        PlaceNamed(sprite, 1, content, name);
    sprite.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(id, sprite));
}

// Character `maskId` at depth 1 masks character `contentId` at depth 2.
void PlaceMasked(swfw::MovieWriter& w, uint16_t maskId, uint16_t contentId) {
    swfw::Place mask;
    mask.CharacterId = maskId;
    mask.ClipDepth = 2;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(mask));
    PlaceAt(w, 2, contentId);
}

// A 40x20 stage: clip "a" red over the top half, clip "b" green over the
// bottom half, and "holder" at (20, 5) holding "m", a blue 10-pixel square;
// then the actions run.
std::vector<uint8_t> ClipsAndMaskMovie(const ActionAssembler& actions) {
    auto w = Stage(40, 20);
    w.Tag(swfw::code::DefineShape3, RectShape(1, 0, 0, 40, 10, {255, 0, 0, 255}));
    w.Tag(swfw::code::DefineShape3, RectShape(2, 0, 10, 40, 20, {0, 255, 0, 255}));
    w.Tag(swfw::code::DefineShape3, RectShape(3, 0, 0, 10, 10, {0, 0, 255, 255}));
    DefineSpriteOf(w, 4, 1);
    DefineSpriteOf(w, 5, 2);
    DefineSpriteOf(w, 6, 3);
    DefineSpriteOf(w, 7, 6, "m");
    PlaceNamed(w, 1, 4, "a");
    PlaceNamed(w, 2, 5, "b");
    swfw::Place holder;
    holder.Depth = 3;
    holder.CharacterId = 7;
    holder.Name = "holder";
    holder.Matrix = swfw::Transform{1, 0, 0, 1, 400, 100};
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(holder));
    DoAction(w, actions);
    w.ShowFrame();
    return w.Build();
}

Frame ClipsAndMask(const ActionAssembler& actions) {
    return RenderMovie(ClipsAndMaskMovie(actions), swf::Quality::Low);
}

TEST(ScriptMask, ShowsTheClipOnlyUnderTheMaskWhereTheMaskStandsAndHidesTheMask) {
    ActionAssembler a;
    SetMask(a, "a", "holder.m");
    Frame f = ClipsAndMask(a);
    ExpectAt(f, {{25, 7, Red}, {15, 7, White}, {35, 7, White}, {25, 3, White}});
    // The other clip is not masked, and the mask is not drawn.
    ExpectAt(f, {{25, 12, Green}, {5, 12, Green}});
}

TEST(ScriptMask, MasksOneClipAtATimeAndShowsAgainWhenReleased) {
    ActionAssembler moved;
    SetMask(moved, "a", "holder.m");
    SetMask(moved, "b", "holder.m");
    Frame f = ClipsAndMask(moved);
    ExpectAt(f, {{5, 7, Red}, {25, 7, Red}, {5, 12, White}, {25, 12, Green}});

    ActionAssembler released;
    SetMask(released, "a", "holder.m");
    SetMask(released, "a", "");
    f = ClipsAndMask(released);
    ExpectAt(f, {{5, 7, Red}, {25, 7, Blue}, {25, 12, Blue}});
}

// trace(clip.hitTest(x, y, true))
void TraceHit(ActionAssembler& a, const std::string& clip, double x, double y) {
    a.PushBool(true).Push(y).Push(x).Push(3.0).Push(clip).Op(act::GetVariable).Push("hitTest");
    a.Op(act::CallMethod).Op(act::Trace);
}

TEST(ScriptMask, HitsOnlyWhereTheMaskLetsTheClipShow) {
    ActionAssembler a;
    SetMask(a, "a", "holder.m");
    TraceHit(a, "a", 25, 7);
    TraceHit(a, "a", 5, 7);
    TraceHit(a, "b", 5, 12);
    EXPECT_EQ(RunMovie(ClipsAndMaskMovie(a)).Lines, (std::vector<std::string>{"true", "false", "true"}));
}

// A clip depth inside a mask cuts the mask's coverage: the clip shows where
// the square (10 to 30) and the left half (0 to 20) overlap.
TEST(ScriptMask, AClipDepthInsideTheMaskCutsIt) {
    auto w = Stage(40, 20);
    w.Tag(swfw::code::DefineShape3, RectShape(1, 0, 0, 40, 20, {255, 0, 0, 255}));
    w.Tag(swfw::code::DefineShape3, RectShape(2, 0, 0, 20, 20, {0, 0, 255, 255}));
    w.Tag(swfw::code::DefineShape3, RectShape(3, 10, 0, 30, 20, {0, 0, 255, 255}));
    swfw::MovieWriter mask(10, {}, 12);
    PlaceMasked(mask, 2, 3);
    mask.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(4, mask));
    DefineSpriteOf(w, 5, 1);
    PlaceNamed(w, 1, 5, "a");
    PlaceNamed(w, 2, 4, "m");
    ActionAssembler a;
    SetMask(a, "a", "m");
    DoAction(w, a);
    w.ShowFrame();
    ExpectAt(RenderMovie(w.Build(), swf::Quality::Low), {{15, 10, Red}, {25, 10, White}, {5, 10, White}});
}

// A scroll rectangle moves the mask's content but does not cut it: the
// mask is the whole square, 5 pixels to the left.
TEST(ScriptMask, AScrolledMaskIsMovedNotCut) {
    ActionAssembler a;
    a.Push("holder.m").Op(act::GetVariable).Push("scrollRect");
    a.Push(2.0).Push(2.0).Push(0.0).Push(5.0).Push(4.0);
    a.Push("flash").Op(act::GetVariable).Push("geom").Op(act::GetMember).Push("Rectangle").Op(act::NewMethod);
    a.Op(act::SetMember);
    SetMask(a, "a", "holder.m");
    Frame f = ClipsAndMask(a);
    ExpectAt(f, {{16, 7, Red}, {24, 7, Red}, {27, 7, White}, {13, 7, White}});
}

// The glyphs of a text field (through setMask) and of static text (by clip
// depth) are mask coverage; the boxes of the text are not.
TEST(ScriptMask, TextMasksWithItsGlyphs) {
    auto w = Stage(40, 40);
    w.Tag(swfw::code::DefineFont2, SquareFont(1, 'A'));
    swfw::Field field{{0, 800, 0, 800}, 1, 200, {0, 0, 255, 255}, "AA", true};
    w.Tag(swfw::code::DefineEditText, swfw::EditTextBody(2, field));
    w.Tag(
        swfw::code::DefineText,
        swfw::TextBody(3, 1, {0, 800, 0, 400}, {{1, {0, 0, 255, 255}, 100, 300, 200, {{0, 400}, {0, 400}}}}));
    w.Tag(swfw::code::DefineShape3, RectShape(4, 0, 0, 40, 20, {255, 0, 0, 255}));
    w.Tag(swfw::code::DefineShape3, RectShape(5, 0, 20, 40, 40, {0, 255, 0, 255}));
    DefineSpriteOf(w, 6, 4);
    PlaceNamed(w, 1, 6, "a");
    PlaceNamed(w, 2, 2, "txt");
    swfw::Place text;
    text.Depth = 3;
    text.CharacterId = 3;
    text.ClipDepth = 4;
    text.Matrix = swfw::Transform{1, 0, 0, 1, 0, 400};
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(text));
    PlaceAt(w, 4, 5);
    ActionAssembler a;
    SetMask(a, "a", "txt");
    DoAction(w, a);
    w.ShowFrame();
    Frame f = RenderMovie(w.Build(), swf::Quality::Low);
    ExpectAt(f, {{6, 8, Red},
                 {17, 8, Red},
                 {25, 8, White},
                 {6, 16, White},
                 {10, 30, Green},
                 {30, 30, Green},
                 {20, 30, White},
                 {10, 22, White}});
}

// Whether a point lies inside a closed polygon (even-odd).
bool Inside(const std::vector<swf::Point>& polygon, swf::Point c) {
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const swf::Point &a = polygon[i], &b = polygon[j];
        if ((a.Y > c.Y) != (b.Y > c.Y) && c.X < a.X + (c.Y - a.Y) * (b.X - a.X) / (b.Y - a.Y))
            in = !in;
    }
    return in;
}

// A circle of eight curves (twips) as a clip-depth mask over a red stage,
// at Low: the pixels that break the rule that the mask covers every pixel
// whose centre lies more than a tenth of a pixel inside the curves, and none
// outside them.
int CircleMaskMisses(double cx, double cy, double r) {
    std::vector<swf::Point> outline; // the curves, finely, in pixels
    swfw::ShapeBuilder circle;
    circle.Styles(0, circle.SolidFill({0, 0, 255, 255}), 0);
    auto at = [&](double angle, double radius) {
        return swf::Point{std::round(cx + radius * std::cos(angle)),
                          std::round(cy + radius * std::sin(angle))};
    };
    circle.MoveTo(int32_t(at(0, r).X), int32_t(at(0, r).Y));
    for (int i = 0; i < 8; ++i) {
        double a = i * std::numbers::pi / 4, step = std::numbers::pi / 4;
        swf::Point p = at(a, r), c = at(a + step / 2, r / std::cos(step / 2)), e = at(a + step, r);
        circle.CurveTo(int32_t(c.X), int32_t(c.Y), int32_t(e.X), int32_t(e.Y));
        for (double t = 0; t < 1; t += 1.0 / 256)
            outline.push_back({((1 - t) * (1 - t) * p.X + 2 * t * (1 - t) * c.X + t * t * e.X) / 20,
                               ((1 - t) * (1 - t) * p.Y + 2 * t * (1 - t) * c.Y + t * t * e.Y) / 20});
    }
    auto w = Stage(40, 40);
    w.Tag(swfw::code::DefineShape3, swfw::ShapeBody(1, 3, {0, 800, 0, 800}, circle));
    w.Tag(swfw::code::DefineShape3, RectShape(2, 0, 0, 40, 40, {255, 0, 0, 255}));
    PlaceMasked(w, 1, 2);
    w.ShowFrame();
    Frame f = RenderMovie(w.Build(), swf::Quality::Low);
    int misses = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            swf::Point c{x + 0.5, y + 0.5};
            double nearest = 1e9;
            for (swf::Point p : outline)
                nearest = std::min(nearest, std::hypot(p.X - c.X, p.Y - c.Y));
            bool inside = Inside(outline, c);
            if ((!inside && f.At(x, y) != White) || (inside && nearest > 0.1 && f.At(x, y) != Red))
                ++misses;
        }
    return misses;
}

TEST(Masks, CurvedEdgesAtLowFollowTheCurve) {
    // Circles whose chord ends on a twip grid light or leave out pixels.
    for (double r : {263.0, 317.0})
        for (double offset : {0.0, 11.0})
            EXPECT_EQ(CircleMaskMisses(400 + offset, 397 - offset, r), 0) << r << ", " << offset;
}

} // namespace
