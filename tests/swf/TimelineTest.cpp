#include "RenderHelpers.h"

#include <gtest/gtest.h>

namespace {

using testing_swf::Frame;
using testing_swf::PlaceAt;
using testing_swf::RectShape;
using testing_swf::Render;

constexpr uint32_t White = 0xffffffffu, Red = 0xffff0000u, Blue = 0xff0000ffu, Black = 0xff000000u;

void Move(swfw::MovieWriter& w, uint16_t depth, int dx, int dy) {
    swfw::Place p;
    p.Depth = depth;
    p.Move = true;
    p.Matrix = swfw::Transform{1, 0, 0, 1, dx * 20, dy * 20};
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(p));
}

// Frame 1 places a red square, frame 2 moves it, frame 3 swaps it for a
// blue one, frame 4 removes it.
std::vector<uint8_t> PlacementMovie() {
    auto w = testing_swf::Stage(40, 20);
    w.Tag(swfw::code::DefineShape3, RectShape(1, 0, 0, 10, 10, {255, 0, 0, 255}));
    w.Tag(swfw::code::DefineShape3, RectShape(2, 0, 0, 10, 10, {0, 0, 255, 255}));
    PlaceAt(w, 1, 1);
    w.ShowFrame();
    Move(w, 1, 20, 0);
    w.ShowFrame();
    swfw::Place replace;
    replace.Depth = 1;
    replace.Move = true;
    replace.CharacterId = 2;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(replace));
    w.ShowFrame();
    w.Tag(swfw::code::RemoveObject2, swfw::RemoveObject2Body(1));
    w.ShowFrame();
    return w.Build();
}

TEST(Timeline, PlaceMoveReplaceRemove) {
    swf::Player p;
    p.Load(PlacementMovie());
    EXPECT_EQ(Render(p).At(5, 5), Red);
    p.Advance();
    Frame moved = Render(p);
    EXPECT_EQ(moved.At(5, 5), White);
    EXPECT_EQ(moved.At(25, 5), Red);
    p.Advance();
    EXPECT_EQ(Render(p).At(25, 5), Blue); // replaced, keeps its place
    p.Advance();
    EXPECT_EQ(Render(p).At(25, 5), White);
    p.Advance(); // loops to the first frame
    EXPECT_EQ(p.CurrentFrame(), 0u);
    EXPECT_EQ(Render(p).At(5, 5), Red);
}

TEST(Timeline, GoingBackRebuildsTheFrame) {
    swf::Player p;
    p.Load(PlacementMovie());
    p.GotoFrame(3);
    EXPECT_EQ(Render(p).At(25, 5), White);
    p.Back();
    EXPECT_EQ(Render(p).At(25, 5), Blue);
    p.GotoFrame(1);
    EXPECT_EQ(Render(p).At(25, 5), Red);
    p.Rewind();
    Frame first = Render(p);
    EXPECT_EQ(first.At(5, 5), Red);
    EXPECT_EQ(first.At(25, 5), White);
    p.Forward();
    p.Forward();
    EXPECT_EQ(Render(p).At(25, 5), Blue);
}

// Defines a red (1) and a blue (2) square in the movie and returns a sprite
// timeline showing red, then blue.
swfw::MovieWriter RedThenBlue(swfw::MovieWriter& w) {
    w.Tag(swfw::code::DefineShape3, RectShape(1, 0, 0, 10, 10, {255, 0, 0, 255}));
    w.Tag(swfw::code::DefineShape3, RectShape(2, 0, 0, 10, 10, {0, 0, 255, 255}));
    swfw::MovieWriter sprite(10, {}, 12);
    PlaceAt(sprite, 1, 1);
    sprite.ShowFrame();
    sprite.Tag(swfw::code::RemoveObject2, swfw::RemoveObject2Body(1));
    PlaceAt(sprite, 1, 2);
    sprite.ShowFrame();
    return sprite;
}

// A two-frame sprite (red, then blue) placed in a one-frame movie.
std::vector<uint8_t> SpriteMovie() {
    auto w = testing_swf::Stage(20, 20);
    swfw::MovieWriter sprite = RedThenBlue(w);
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(3, sprite));
    PlaceAt(w, 1, 3, 5, 5);
    w.ShowFrame();
    return w.Build();
}

TEST(Timeline, SpritesRunTheirOwnFramesWhileTheMovieStands) {
    swf::Player p;
    p.Load(SpriteMovie());
    EXPECT_EQ(p.TotalFrames(), 1u);
    EXPECT_EQ(Render(p).At(10, 10), Red);
    EXPECT_EQ(Render(p).At(2, 2), White); // placed 5 pixels in
    p.Advance();
    EXPECT_EQ(Render(p).At(10, 10), Blue);
    p.Advance();
    EXPECT_EQ(Render(p).At(10, 10), Red);
}

TEST(Timeline, ClipDepthMasksTheLayersUpToIt) {
    auto w = testing_swf::Stage(40, 20);
    w.Tag(swfw::code::DefineShape3, RectShape(1, 10, 0, 30, 20, {0, 255, 0, 255})); // the mask
    w.Tag(swfw::code::DefineShape3, RectShape(2, 0, 0, 40, 10, {255, 0, 0, 255}));
    w.Tag(swfw::code::DefineShape3, RectShape(3, 0, 10, 40, 20, {0, 0, 255, 255}));
    swfw::Place mask;
    mask.Depth = 1;
    mask.CharacterId = 1;
    mask.ClipDepth = 2;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(mask));
    PlaceAt(w, 2, 2); // masked
    PlaceAt(w, 3, 3); // above the clip depth: not masked
    w.ShowFrame();
    Frame f = testing_swf::RenderMovie(w.Build());
    EXPECT_EQ(f.At(5, 5), White); // red outside the mask
    EXPECT_EQ(f.At(20, 5), Red);  // red inside the mask; the mask itself is not drawn
    EXPECT_EQ(f.At(5, 15), Blue); // blue everywhere
    EXPECT_EQ(f.At(35, 15), Blue);
    EXPECT_EQ(f.At(35, 5), White);
}

TEST(Timeline, ColourTransformsMultiplyAddAndClamp) {
    auto w = testing_swf::Stage(20, 10);
    w.Tag(swfw::code::DefineShape3, RectShape(1, 0, 0, 10, 10, {200, 100, 50, 255}));
    swfw::Place p;
    p.CharacterId = 1;
    p.Colors = swfw::ColorTransform{128, 256, 512, 256, 0, 20, 0, 0}; // halve red, +20 green, double blue
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(p));
    swfw::Place faded;
    faded.Depth = 2;
    faded.CharacterId = 1;
    faded.Matrix = swfw::Transform{1, 0, 0, 1, 200, 0};
    faded.Colors = swfw::ColorTransform{256, 256, 256, 128, 0, 0, 0, 0};
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(faded));
    w.ShowFrame();
    Frame f = testing_swf::RenderMovie(w.Build());
    EXPECT_EQ(f.At(5, 5), 0xff647864u);
    // Half of (200, 100, 50) over white.
    EXPECT_LE(testing_swf::Difference(f.At(15, 5), 0xffe3b198u), 2);
}

TEST(Timeline, MorphShapesFollowTheRatio) {
    swfw::ShapeBuilder start, end;
    start.Styles(0, 1, 0);
    start.MoveTo(0, 0);
    for (auto [x, y] : {std::pair{200, 0}, {200, 400}, {0, 400}, {0, 0}})
        start.LineTo(x, y);
    end.MoveTo(0, 0);
    for (auto [x, y] : {std::pair{800, 0}, {800, 400}, {0, 400}, {0, 0}})
        end.LineTo(x, y);
    auto w = testing_swf::Stage(40, 20);
    w.Tag(swfw::code::DefineMorphShape,
          swfw::MorphBody(1, {0, 800, 0, 400}, {{{255, 0, 0, 255}, {0, 0, 255, 255}}}, start, end));
    swfw::Place p;
    p.CharacterId = 1;
    p.Ratio = 0;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(p));
    w.ShowFrame();
    for (uint16_t ratio : {uint16_t(32768), uint16_t(43691), uint16_t(65535)}) {
        swfw::Place m;
        m.Move = true;
        m.Ratio = ratio;
        w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(m));
        w.ShowFrame();
    }
    swf::Player player;
    player.Load(w.Build());
    Frame f0 = Render(player);
    EXPECT_EQ(f0.At(5, 5), Red);
    EXPECT_EQ(f0.At(15, 5), White);
    player.Advance();
    Frame half = Render(player);
    // Colours in between are truncated, as the plug-in's are.
    EXPECT_EQ(half.At(24, 5), 0xff7f007fu);
    EXPECT_EQ(half.At(26, 5), White);
    player.Advance();
    EXPECT_EQ(Render(player).At(5, 5), 0xff5400aau); // two thirds: 84, 0, 170
    player.Advance();
    EXPECT_EQ(Render(player).At(38, 5), Blue);
}

TEST(Timeline, ButtonsShowTheirUpState) {
    auto w = testing_swf::Stage(20, 10);
    w.Tag(swfw::code::DefineShape3, RectShape(1, 0, 0, 10, 10, {255, 0, 0, 255}));
    w.Tag(swfw::code::DefineShape3, RectShape(2, 0, 0, 10, 10, {0, 0, 255, 255}));
    w.Tag(swfw::code::DefineButton2,
          swfw::Button2Body(3, {{2 | 4, 1, 1, {}}, {1 | 8, 2, 2, {1, 0, 0, 1, 200, 0}}}));
    PlaceAt(w, 1, 3);
    w.ShowFrame();
    Frame f = testing_swf::RenderMovie(w.Build());
    EXPECT_EQ(f.At(5, 5), White); // over and down only
    EXPECT_EQ(f.At(15, 5), Blue);
}

TEST(Timeline, SpritesPlacingThemselvesStayBounded) {
    auto w = testing_swf::Stage(10, 10);
    swfw::MovieWriter sprite(10, {}, 12);
    PlaceAt(sprite, 1, 1);
    PlaceAt(sprite, 2, 1);
    sprite.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(1, sprite));
    w.Tag(swfw::code::DefineButton2, swfw::Button2Body(2, {{1, 2, 1, {}}})); // a button holding itself
    PlaceAt(w, 1, 1);
    PlaceAt(w, 2, 2);
    w.ShowFrame();
    swf::Player p;
    p.Load(w.Build());
    ASSERT_TRUE(p.HasMovie());
    p.Advance();
    EXPECT_EQ(Render(p).At(5, 5), White);
}

} // namespace

namespace {

TEST(Timeline, FirstVersionTagsPlaceAndRemove) {
    auto w = testing_swf::Stage(20, 10);
    w.Tag(swfw::code::DefineShape3, RectShape(1, 0, 0, 10, 10, {255, 0, 0, 255}));
    swfw::BitWriter place; // PlaceObject: id, depth, matrix
    place.U16(1);
    place.U16(1);
    swfw::WriteMatrix(place, {1, 0, 0, 1, 200, 0});
    w.Tag(swfw::code::PlaceObject, place.Data());
    w.ShowFrame();
    swfw::BitWriter remove; // RemoveObject: id, depth
    remove.U16(1);
    remove.U16(1);
    w.Tag(5, remove.Data());
    w.ShowFrame();
    swf::Player p;
    p.Load(w.Build());
    EXPECT_EQ(Render(p).At(15, 5), Red);
    EXPECT_EQ(Render(p).At(5, 5), White);
    p.Advance();
    EXPECT_EQ(Render(p).At(15, 5), White);
}

TEST(Timeline, ASpriteOnStageKeepsRunningWhenTheMovieLoops) {
    // The movie has two frames; the sprite (red, blue) sits in both.
    auto w = testing_swf::Stage(20, 20);
    swfw::MovieWriter sprite = RedThenBlue(w);
    PlaceAt(sprite, 2, 1, 10, 10); // frame 3: red at the corner as well
    sprite.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(3, sprite));
    PlaceAt(w, 1, 3);
    w.ShowFrame();
    w.ShowFrame();
    swf::Player p;
    p.Load(w.Build());
    p.Advance(); // movie frame 2, sprite frame 2
    EXPECT_EQ(Render(p).At(5, 5), Blue);
    p.Advance(); // the movie loops; the sprite goes on to its third frame
    EXPECT_EQ(p.CurrentFrame(), 0u);
    EXPECT_EQ(Render(p).At(15, 15), Red);
    // Rewinding by hand rebuilds what changed but keeps the same placement.
    p.GotoFrame(1);
    p.Rewind();
    EXPECT_EQ(Render(p).At(5, 5), Blue);
}

TEST(Timeline, PlacingOnATakenDepthReplacesTheObject) {
    auto w = testing_swf::Stage(20, 10);
    w.Tag(swfw::code::DefineShape3, RectShape(1, 0, 0, 10, 10, {255, 0, 0, 255}));
    w.Tag(swfw::code::DefineShape3, RectShape(2, 10, 0, 20, 10, {0, 0, 255, 255}));
    PlaceAt(w, 1, 1);
    PlaceAt(w, 1, 2);
    w.ShowFrame();
    Frame f = testing_swf::RenderMovie(w.Build());
    EXPECT_EQ(f.At(5, 5), White);
    EXPECT_EQ(f.At(15, 5), Blue);
}

TEST(Timeline, MovesOfMissingObjectsAndUnknownCharactersChangeNothing) {
    auto w = testing_swf::Stage(20, 10);
    w.Tag(swfw::code::DefineShape3, RectShape(1, 0, 0, 10, 10, {255, 0, 0, 255}));
    Move(w, 7, 5, 5);                                            // nothing at depth 7
    PlaceAt(w, 2, 99);                                           // no character 99
    w.Tag(swfw::code::PlaceObject2, std::vector<uint8_t>{0x02}); // cut short
    PlaceAt(w, 1, 1);
    w.ShowFrame();
    swf::Player p;
    p.Load(w.Build());
    EXPECT_EQ(Render(p).At(5, 5), Red);
    p.Advance();
    EXPECT_EQ(Render(p).At(5, 5), Red);
}

} // namespace
