#include "RenderHelpers.h"

#include "swf/BlendMode.h"

#include <gtest/gtest.h>

namespace {

using testing_swf::Difference;

// A grey square under a half-covering coloured one with the given mode.
uint32_t Blended(uint8_t mode, swfw::Rgba top) {
    auto w = testing_swf::Stage(20, 10);
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(1, 0, 0, 20, 10, {100, 150, 200, 255}));
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(2, 0, 0, 10, 10, top));
    testing_swf::PlaceAt(w, 1, 1);
    swfw::Place p;
    p.Depth = 2;
    p.CharacterId = 2;
    p.Blend = mode;
    w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(p));
    w.ShowFrame();
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

} // namespace
