#include "../RenderHelpers.h"
#include "../ScriptHelpers.h"

#include <gtest/gtest.h>

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

// A 40x20 stage: clip "a" red over the top half, clip "b" green over the
// bottom half, and "holder" at (20, 5) holding "m", a blue 10-pixel square;
// then the actions run.
Frame ClipsAndMask(const ActionAssembler& actions) {
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
    return RenderMovie(w.Build(), swf::Quality::Low);
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

} // namespace
