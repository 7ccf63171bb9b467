#include "RenderHelpers.h"

#include "swf/TagCodes.h"
#include "swfwriter/FilterRecords.h"
#include "swfwriter/ShapeBuilder.h"

#include <gtest/gtest.h>

namespace {

// A 60x60 stage showing sprite 2, turned and partly off the stage, with
// the given blend mode; the sprite holds shape 1 three times: a thick
// stroke with sharp miter joins and a curve, whose declared bounds are far
// too small, and a copy moved off the stage's top; and a small glowing
// square, far from the strokes' reach.
std::vector<uint8_t> SharpStrokeMovie(uint8_t mode) {
    auto w = testing_swf::Stage(60, 60);
    swfw::ShapeBuilder s(4);
    uint32_t line = s.Line4(160, {0, 0, 255, 255}, 1, 2, 1, 2);
    uint32_t fill = s.SolidFill({255, 0, 0, 128});
    s.Styles(fill, 0, line);
    s.MoveTo(0, 0);
    s.LineTo(400, 40);
    s.LineTo(0, 80);
    s.CurveTo(-200, 300, 0, 0);
    w.Tag(swfw::code::DefineShape4, swfw::ShapeBody(1, 4, {0, 20, 0, 20}, s));
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(5, 0, 0, 6, 6, {0, 0, 255, 255}));
    swfw::MovieWriter sprite(60, {}, 12);
    testing_swf::PlaceAt(sprite, 1, 1, 10, 10);
    testing_swf::PlaceAt(sprite, 2, 1, 30, -15);
    // Its glow reaches well beyond the square.
    swfw::Place glowing;
    glowing.Depth = 3;
    glowing.CharacterId = 5;
    glowing.Matrix = swfw::Transform{1, 0, 0, 1, 1000, 240};
    glowing.Filters = swfw::FilterList({swfw::GlowRecord({{0, 255, 0, 255}, 12, 12, 0, 0, 2})});
    sprite.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(glowing));
    sprite.ShowFrame();
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(2, sprite));
    swfw::Place p;
    p.CharacterId = 2;
    p.Matrix = swfw::Transform{0.8, 0.6, -0.6, 0.8, 300, 100};
    p.Blend = mode;
    w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(p));
    w.ShowFrame();
    return w.Build();
}

// A layer alone (blend mode "layer") changes no pixel: the layer, cut to
// what the object may paint, must hold all of it, miters, curves and
// children and their filters included, whatever the shapes' declared
// bounds say.
TEST(LayerBounds, ALayerCutToTheObjectHoldsAllItPaints) {
    for (auto quality : {swf::Quality::Low, swf::Quality::High}) {
        auto plain = testing_swf::RenderMovie(SharpStrokeMovie(1), quality);
        auto layered = testing_swf::RenderMovie(SharpStrokeMovie(2), quality);
        int painted = 0;
        for (int y = 0; y < plain.Height; ++y)
            for (int x = 0; x < plain.Width; ++x) {
                painted += plain.At(x, y) != 0xffffffffu;
                ASSERT_LE(testing_swf::Difference(plain.At(x, y), layered.At(x, y)), 1) << x << "," << y;
            }
        EXPECT_GT(painted, 200);
    }
}

} // namespace
