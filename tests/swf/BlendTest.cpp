#include "RenderHelpers.h"

#include "swf/BlendMode.h"

#include <gtest/gtest.h>

namespace {

using testing_swf::Difference;

// Places the character at the depth with the blend mode, then ends the frame.
void PlaceBlended(swfw::MovieWriter& w, uint16_t depth, uint16_t id, uint8_t mode) {
    swfw::Place p;
    p.Depth = depth;
    p.CharacterId = id;
    p.Blend = mode;
    w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(p));
    w.ShowFrame();
}

// A grey square under a half-covering coloured one with the given mode.
uint32_t Blended(uint8_t mode, swfw::Rgba top) {
    auto w = testing_swf::Stage(20, 10);
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(1, 0, 0, 20, 10, {100, 150, 200, 255}));
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(2, 0, 0, 10, 10, top));
    testing_swf::PlaceAt(w, 1, 1);
    PlaceBlended(w, 2, 2, mode);
    auto f = testing_swf::RenderMovie(w.Build());
    EXPECT_EQ(f.At(15, 5), 0xff6496c8u); // outside the top square: untouched
    return f.At(5, 5);
}

TEST(BlendModes, CombineWithWhatIsBelow) {
    swfw::Rgba top{200, 100, 50, 255};
    EXPECT_EQ(Blended(1, top), 0xffc86432u);                // normal
    EXPECT_LE(Difference(Blended(5, top), 0xffc896c8u), 1); // lighten
    EXPECT_LE(Difference(Blended(6, top), 0xff646432u), 1); // darken
    EXPECT_LE(Difference(Blended(7, top), 0xff643296u), 1); // difference
    EXPECT_LE(Difference(Blended(8, top), 0xfffffafaU), 1); // add, clamped
    EXPECT_LE(Difference(Blended(9, top), 0xff003296u), 1); // subtract: below minus above
    EXPECT_LE(Difference(Blended(3, top), 0xff4e3b27u), 1); // multiply
    EXPECT_LE(Difference(Blended(4, top), 0xffdebfd3U), 1); // screen
}

TEST(BlendModes, TransparentSourceLeavesTheDestination) {
    EXPECT_EQ(swf::BlendPixel(swf::BlendMode::Darken, 0, 0xff102030u), 0xff102030u);
    EXPECT_EQ(swf::BlendPixel(swf::BlendMode::Multiply, 0xff808080u, 0), 0xff808080u);
}

// A sprite holding a red square with, over its left half, a square of the
// given alpha and blend mode; the sprite itself has the given mode.
uint32_t InsideSprite(uint8_t spriteMode, uint8_t childMode, uint8_t childAlpha, int x) {
    auto w = testing_swf::Stage(20, 10);
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(1, 0, 0, 20, 10, {255, 0, 0, 255}));
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(2, 0, 0, 10, 10, {0, 0, 255, childAlpha}));
    swfw::MovieWriter sprite(10, {}, 12);
    testing_swf::PlaceAt(sprite, 1, 1);
    PlaceBlended(sprite, 2, 2, childMode);
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(3, sprite));
    PlaceBlended(w, 1, 3, spriteMode);
    return testing_swf::RenderMovie(w.Build()).At(x, 5);
}

TEST(BlendModes, AlphaAndEraseCutIntoTheirParentsLayer) {
    // Alpha keeps the layer where the child is opaque: half of the red
    // square over white where the child has alpha 128, nothing beside it.
    EXPECT_LE(Difference(InsideSprite(2, 11, 128, 5), 0xffff7f7fu), 1);
    EXPECT_EQ(InsideSprite(2, 11, 128, 15), 0xffffffffu);
    // Erase keeps it where the child is clear.
    EXPECT_LE(Difference(InsideSprite(2, 12, 128, 5), 0xffff8080u), 1);
    EXPECT_EQ(InsideSprite(2, 12, 128, 15), 0xffff0000u);
    // Without a layer to cut into, they draw as normal.
    EXPECT_LE(Difference(InsideSprite(1, 12, 255, 5), 0xff0000ffu), 1);
    // A layer alone changes nothing.
    EXPECT_LE(Difference(InsideSprite(2, 1, 255, 5), 0xff0000ffu), 1);
}

} // namespace
