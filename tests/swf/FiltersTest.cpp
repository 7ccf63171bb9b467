#include "RenderHelpers.h"
#include "ScriptHelpers.h"

#include "swf/ByteReader.h"
#include "swf/Error.h"
#include "swf/filters/BoxBlur.h"
#include "swf/filters/FilterParser.h"
#include "swfwriter/FilterRecords.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using testing_swf::Difference;

constexpr uint32_t White = 0xffffffffu;
constexpr uint32_t Black = 0xff000000u;

uint32_t Red(uint32_t argb) { return argb >> 16 & 0xff; }
uint32_t Green(uint32_t argb) { return argb >> 8 & 0xff; }
uint32_t Blue(uint32_t argb) { return argb & 0xff; }

TEST(BoxBlur, MatchesTheReferenceOnRandomPlanes) {
    std::mt19937 random(13);
    for (int round = 0; round < 60; ++round) {
        int w = 1 + int(random() % 40), h = 1 + int(random() % 40);
        std::vector<uint8_t> fast(size_t(w) * size_t(h));
        for (uint8_t& v : fast)
            v = random() % 3 == 0 ? 0 : uint8_t(random());
        std::vector<uint8_t> slow = fast;
        int rx = int(random() % 12), ry = int(random() % 12), passes = 1 + int(random() % 3);
        swf::BoxBlur({fast, w, h}, rx, ry, passes);
        swf::BoxBlurReference({slow, w, h}, rx, ry, passes);
        ASSERT_EQ(fast, slow) << w << "x" << h << " radii " << rx << "," << ry << " passes " << passes;
    }
}

TEST(BoxBlur, SpreadsAStepEvenlyAndKeepsFlatAreas) {
    std::vector<uint8_t> v(21, 0);
    std::fill(v.begin() + 10, v.end(), 255);
    swf::BoxBlur({v, 21, 1}, 2, 0, 1);
    EXPECT_EQ(v[7], 0);
    EXPECT_EQ(v[8], 51);
    EXPECT_EQ(v[10], 153);
    EXPECT_EQ(v[12], 255);
    EXPECT_EQ(swf::BoxRadius(5), 2);
    EXPECT_EQ(swf::BoxRadius(1), 0);
    EXPECT_EQ(swf::BoxRadius(1e12), 4096); // bounded whatever the scale
}

swf::FilterList Parse(const std::vector<std::vector<uint8_t>>& records) {
    std::vector<uint8_t> bytes = swfw::FilterList(records);
    swf::ByteReader in(bytes);
    swf::FilterList list = swf::ParseFilterList(in);
    EXPECT_TRUE(in.AtEnd());
    return list;
}

TEST(FilterRecords, EveryKindReadsBackItsFields) {
    swfw::EdgeFields edge{{10, 20, 30, 40}, 6, 8, 0.5, 7, 1.5, true, true, true, true, 3};
    std::vector<std::pair<uint8_t, swfw::Rgba>> stops{{0, {1, 2, 3, 4}}, {255, {5, 6, 7, 8}}};
    swfw::Convolution conv{3, 2, {1, 2, 3, 4, 5, 6}, 21, 0.5f, {9, 9, 9, 9}, false, true};
    std::array<float, 20> matrix{};
    matrix[19] = 0.25f;
    auto list = Parse({swfw::DropShadowRecord(edge), swfw::BlurRecord(2.5, 3, 2), swfw::GlowRecord(edge),
                       swfw::BevelRecord(edge, {200, 201, 202, 203}), swfw::GradientGlowRecord(stops, edge),
                       swfw::ConvolutionRecord(conv), swfw::ColorMatrixRecord(matrix),
                       swfw::GradientBevelRecord(stops, edge)});
    ASSERT_EQ(list.size(), 8u);
    auto shadow = std::get<swf::DropShadowFilter>(list[0]);
    EXPECT_EQ(shadow.Color, (swf::Rgba{10, 20, 30, 40}));
    EXPECT_DOUBLE_EQ(shadow.BlurY, 8);
    EXPECT_NEAR(shadow.Angle, 0.5, 1e-4);
    EXPECT_DOUBLE_EQ(shadow.Distance, 7);
    EXPECT_DOUBLE_EQ(shadow.Strength, 1.5);
    EXPECT_TRUE(shadow.Inner && shadow.Knockout && shadow.HideObject);
    EXPECT_EQ(shadow.Passes, 3);
    auto blur = std::get<swf::BlurFilter>(list[1]);
    EXPECT_DOUBLE_EQ(blur.BlurX, 2.5);
    EXPECT_EQ(blur.Passes, 2);
    EXPECT_TRUE(std::get<swf::GlowFilter>(list[2]).Inner);
    auto bevel = std::get<swf::BevelFilter>(list[3]);
    EXPECT_EQ(bevel.Highlight, (swf::Rgba{200, 201, 202, 203}));
    EXPECT_TRUE(bevel.OnTop);
    auto glow = std::get<swf::GradientGlowFilter>(list[4]);
    ASSERT_EQ(glow.Stops.size(), 2u);
    EXPECT_EQ(glow.Stops[1].Ratio, 255);
    EXPECT_EQ(glow.Stops[1].Color, (swf::Rgba{5, 6, 7, 8}));
    auto convolution = std::get<swf::ConvolutionFilter>(list[5]);
    EXPECT_EQ(convolution.Columns, 3);
    EXPECT_EQ(convolution.Weights[5], 6);
    EXPECT_FALSE(convolution.Clamp);
    EXPECT_TRUE(convolution.PreserveAlpha);
    EXPECT_FLOAT_EQ(std::get<swf::ColorMatrixFilter>(list[6]).Matrix[19], 0.25f);
    EXPECT_EQ(std::get<swf::GradientBevelFilter>(list[7]).Passes, 3);
}

TEST(FilterRecords, WildValuesAreHeldAndDamageIsReported) {
    swfw::EdgeFields wild{{0, 0, 0, 255}, 30000, -3, 0, 1e6, 100000, false, false, false, false, 31};
    auto shadow = std::get<swf::DropShadowFilter>(Parse({swfw::DropShadowRecord(wild)})[0]);
    EXPECT_DOUBLE_EQ(shadow.BlurX, 255);
    EXPECT_DOUBLE_EQ(shadow.BlurY, 0);
    EXPECT_DOUBLE_EQ(shadow.Distance, 1000);
    EXPECT_LE(shadow.Strength, 255);
    EXPECT_EQ(shadow.Passes, 15);
    swfw::Convolution huge{40, 40, std::vector<float>(1600, 1.0f)};
    EXPECT_TRUE(std::get<swf::ConvolutionFilter>(Parse({swfw::ConvolutionRecord(huge)})[0]).Weights.empty());

    std::vector<uint8_t> unknown{1, 9};
    swf::ByteReader in(unknown);
    EXPECT_THROW(swf::ParseFilterList(in), swf::Error);
    std::vector<uint8_t> cut = swfw::FilterList({swfw::BlurRecord(4, 4, 1)});
    cut.pop_back();
    swf::ByteReader shortIn(cut);
    EXPECT_THROW(swf::ParseFilterList(shortIn), swf::Error);
}

// A 40x40 stage, white, with a 20x20 square at (10, 10) placed through
// PlaceObject3 with the given filters (and options).
testing_swf::Frame Filtered(const std::vector<std::vector<uint8_t>>& records,
                            swfw::Rgba color = {255, 0, 0, 255}, std::optional<swfw::Rgba> background = {}) {
    auto w = testing_swf::Stage(40, 40);
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(1, 10, 10, 30, 30, color));
    swfw::Place p;
    p.CharacterId = 1;
    if (!records.empty())
        p.Filters = swfw::FilterList(records);
    p.Background = background;
    w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(p));
    w.ShowFrame();
    return testing_swf::RenderMovie(w.Build(), swf::Quality::Low);
}

TEST(Filters, BlurSpreadsTheObjectOverItsEdges) {
    auto f = Filtered({swfw::BlurRecord(5, 5, 1)});
    EXPECT_EQ(f.At(20, 20), 0xffff0000u);    // well inside: unchanged
    EXPECT_EQ(f.At(7, 20), White);           // beyond the box's reach
    EXPECT_EQ(Green(f.At(8, 20)), 255 - 51); // one fifth of the box covers it
    EXPECT_EQ(Green(f.At(10, 20)), 255 - 153);
    EXPECT_EQ(Red(f.At(8, 20)), 255);
    auto twice = Filtered({swfw::BlurRecord(5, 5, 2)});
    EXPECT_LT(Green(twice.At(6, 20)), 255); // each pass reaches further
}

TEST(Filters, DropShadowFallsBehindTheObjectAndHasItsVariants) {
    swfw::EdgeFields shadow{{0, 0, 0, 255}, 0, 0, 0, 6, 1};
    auto f = Filtered({swfw::DropShadowRecord(shadow)});
    EXPECT_EQ(f.At(20, 20), 0xffff0000u); // the object stays on top
    EXPECT_EQ(f.At(33, 20), Black);       // six pixels to the right
    EXPECT_EQ(f.At(36, 20), White);
    EXPECT_EQ(f.At(8, 20), White);

    shadow.Knockout = true;
    auto knockout = Filtered({swfw::DropShadowRecord(shadow)});
    EXPECT_EQ(knockout.At(20, 20), White); // the object is cut out of its shadow
    EXPECT_EQ(knockout.At(33, 20), Black);

    shadow.Knockout = false;
    shadow.HideObject = true;
    auto hidden = Filtered({swfw::DropShadowRecord(shadow)});
    EXPECT_EQ(hidden.At(20, 20), Black); // only the shadow is drawn
    EXPECT_EQ(hidden.At(12, 20), White);

    shadow.HideObject = false;
    shadow.Inner = true;
    auto inner = Filtered({swfw::DropShadowRecord(shadow)});
    EXPECT_EQ(inner.At(12, 20), Black);       // the edge the light misses
    EXPECT_EQ(inner.At(25, 20), 0xffff0000u); // the lit side
    EXPECT_EQ(inner.At(33, 20), White);       // nothing outside
}

TEST(Filters, GlowSurroundsTheObjectWithItsStrength) {
    swfw::EdgeFields glow{{0, 0, 255, 255}, 5, 5, 0, 0, 1};
    auto f = Filtered({swfw::GlowRecord(glow)});
    for (auto [x, y] : {std::pair{8, 20}, {31, 20}, {20, 8}, {20, 31}}) {
        EXPECT_LT(Red(f.At(x, y)), 255) << x << "," << y;
        EXPECT_EQ(Blue(f.At(x, y)), 255) << x << "," << y;
    }
    glow.Strength = 3;
    auto strong = Filtered({swfw::GlowRecord(glow)});
    EXPECT_LT(Red(strong.At(8, 20)), Red(f.At(8, 20)));
    EXPECT_EQ(strong.At(20, 20), 0xffff0000u);

    // Inside a half-clear square the inverted alpha is half everywhere, so
    // a strong inner glow covers all of it; it lies atop the object, which
    // keeps its alpha: half blue over white, nothing of the red left.
    glow.Inner = true;
    glow.Strength = 100;
    auto inner = Filtered({swfw::GlowRecord(glow)}, {255, 0, 0, 128});
    EXPECT_LE(Difference(inner.At(20, 20), 0xff7f7fffu), 1);
    EXPECT_EQ(inner.At(5, 5), White);
}

TEST(Filters, BevelLightsTheEdgesFacingTheLight) {
    // Light from the top left: highlight there, shadow at the bottom right.
    swfw::EdgeFields bevel{{0, 0, 0, 255}, 2, 2, 0.785398, 4, 1, true};
    auto f = Filtered({swfw::BevelRecord(bevel, {255, 255, 255, 255})}, {128, 128, 128, 255});
    EXPECT_GT(Red(f.At(11, 11)), 128);
    EXPECT_LT(Red(f.At(28, 28)), 128);
    EXPECT_EQ(f.At(20, 20), 0xff808080u); // the flat face
    EXPECT_EQ(f.At(5, 5), White);         // an inner bevel stays inside

    std::vector<std::pair<uint8_t, swfw::Rgba>> stops{
        {0, {0, 255, 0, 255}}, {128, {0, 0, 0, 0}}, {255, {0, 0, 255, 255}}};
    auto g = Filtered({swfw::GradientBevelRecord(stops, bevel)}, {128, 128, 128, 255});
    EXPECT_GT(Green(g.At(11, 11)), Blue(g.At(11, 11)));
    EXPECT_GT(Blue(g.At(28, 28)), Green(g.At(28, 28)));
}

TEST(Filters, GradientGlowColoursByStrength) {
    std::vector<std::pair<uint8_t, swfw::Rgba>> stops{{0, {0, 255, 0, 0}}, {255, {0, 0, 255, 255}}};
    swfw::EdgeFields fields{{}, 9, 9, 0, 0, 1};
    auto f = Filtered({swfw::GradientGlowRecord(stops, fields)});
    uint32_t near = f.At(9, 20), far = f.At(6, 20);
    EXPECT_LT(Red(near), Red(far)); // more glow next to the object
    EXPECT_EQ(Red(f.At(2, 20)), 255);
}

TEST(Filters, ColorMatrixAndConvolutionWorkOnStraightColours) {
    std::array<float, 20> swap{0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    EXPECT_EQ(Filtered({swfw::ColorMatrixRecord(swap)}, {200, 100, 50, 255}).At(20, 20), 0xff3264c8u);
    std::array<float, 20> offset{1, 0, 0, 0, -100, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0.5f, 0};
    uint32_t half = Filtered({swfw::ColorMatrixRecord(offset)}, {200, 100, 50, 255}).At(20, 20);
    EXPECT_LE(Difference(half, 0xffb1b198u), 1); // (100, 100, 50) at half alpha over white

    swfw::Convolution sharpen{3, 3, {0, -1, 0, -1, 5, -1, 0, -1, 0}, 1, 0, {}, true, true};
    auto f = Filtered({swfw::ConvolutionRecord(sharpen)}, {100, 100, 100, 255});
    EXPECT_EQ(f.At(20, 20), 0xff646464u); // flat areas keep their colour
    swfw::Convolution biased{1, 1, {0.5f}, 1, 20, {}, true, true};
    EXPECT_EQ(Filtered({swfw::ConvolutionRecord(biased)}, {100, 100, 100, 255}).At(20, 20), 0xff464646u);
}

TEST(Filters, FiltersChainInOrderAndOpaqueBackgroundsFillTheBounds) {
    std::array<float, 20> toBlue{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0};
    swfw::EdgeFields shadow{{255, 0, 0, 255}, 0, 0, 0, 6, 1};
    // The matrix moves red into blue and drops the rest: after the shadow it
    // turns the red shadow blue; before it, only the blue object (to black).
    auto after =
        Filtered({swfw::DropShadowRecord(shadow), swfw::ColorMatrixRecord(toBlue)}, {0, 0, 255, 255});
    auto before =
        Filtered({swfw::ColorMatrixRecord(toBlue), swfw::DropShadowRecord(shadow)}, {0, 0, 255, 255});
    EXPECT_EQ(after.At(33, 20), 0xff0000ffu);
    EXPECT_EQ(before.At(33, 20), 0xffff0000u);
    EXPECT_EQ(before.At(20, 20), Black);

    auto backed = Filtered({}, {0, 0, 0, 128}, swfw::Rgba{0, 255, 0, 255});
    EXPECT_LE(Difference(backed.At(20, 20), 0xff007f00u), 1);
    EXPECT_EQ(backed.At(5, 5), White);
}

// A red 10x10 square in a sprite placed at (10, 10) scaled twice, blurred
// by 8: the box is 9 pixels wide whatever the object's scale, 17 when the
// view shows the stage twice as large.
TEST(Filters, BlurIsSizedByTheViewNotByTheObjectsScale) {
    auto w = testing_swf::Stage(40, 40);
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(1, 0, 0, 10, 10, {255, 0, 0, 255}));
    swfw::MovieWriter sprite(10, {}, 12);
    testing_swf::PlaceAt(sprite, 1, 1);
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(2, sprite));
    swfw::Place p;
    p.CharacterId = 2;
    p.Matrix = swfw::Transform{2, 0, 0, 2, 200, 200};
    p.Filters = swfw::FilterList({swfw::BlurRecord(8, 8, 1)});
    w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(p));
    w.ShowFrame();
    swf::Player player;
    player.Load(w.Build());
    auto f = testing_swf::Render(player, swf::Quality::Low);
    EXPECT_EQ(f.At(5, 20), White);
    EXPECT_LT(Green(f.At(6, 20)), 255u);
    std::vector<uint32_t> twice(80 * 80);
    player.Render({twice.data(), 80, 80, 80}, std::nullopt);
    EXPECT_EQ(twice[40 * 80 + 11], White);
    EXPECT_LT(Green(twice[40 * 80 + 12]), 255u);
}

// A shape declaring a 20x20 box but filling only its middle 10x10, placed
// at x = 10.5 with a green opaque background: the background fills the
// pixels whose centres lie in the box, the left edge's included.
TEST(Filters, OpaqueBackgroundsFillThePixelsCentredInTheBox) {
    auto w = testing_swf::Stage(40, 40);
    swfw::ShapeBuilder middle;
    middle.Styles(0, middle.SolidFill({255, 0, 0, 255}), 0);
    testing_swf::Box(middle, 100, 100, 300, 300);
    w.Tag(swfw::code::DefineShape3, swfw::ShapeBody(1, 3, {0, 400, 0, 400}, middle));
    swfw::Place p;
    p.CharacterId = 1;
    p.Matrix = swfw::Transform{1, 0, 0, 1, 210, 200};
    p.Background = swfw::Rgba{0, 255, 0, 255};
    w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(p));
    w.ShowFrame();
    auto f = testing_swf::RenderMovie(w.Build(), swf::Quality::Low);
    constexpr uint32_t Background = 0xff00ff00u;
    EXPECT_EQ(f.At(20, 20), 0xffff0000u);
    for (auto [x, y] : {std::pair{10, 15}, {29, 15}, {20, 10}, {20, 29}})
        EXPECT_EQ(f.At(x, y), Background) << x << "," << y;
    for (auto [x, y] : {std::pair{9, 15}, {30, 15}, {20, 9}, {20, 30}})
        EXPECT_EQ(f.At(x, y), White) << x << "," << y;
}

// Red bars placed on rows of 10 pixels: 10.4 pixels wide at x = 10.3 and
// 10.7 wide at x = 10.6, each plain, through an identity colour matrix and
// cached as a bitmap. The bitmap of a filtered or cached object starts at
// its box rounded to whole pixels, so the bar's right edge moves by as
// much, deciding at low quality whether a pixel centre is covered.
TEST(Filters, FilteredAndCachedObjectsStartOnTheWholePixelNearestTheirBox) {
    auto w = testing_swf::Stage(40, 60);
    for (uint16_t id : {1, 2}) {
        swfw::ShapeBuilder bar;
        bar.Styles(0, bar.SolidFill({255, 0, 0, 255}), 0);
        int32_t width = id == 1 ? 208 : 214;
        testing_swf::Box(bar, 0, 0, width, 200);
        w.Tag(swfw::code::DefineShape3, swfw::ShapeBody(id, 3, {0, width, 0, 200}, bar));
    }
    std::array<float, 20> identity{1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0};
    uint16_t depth = 1;
    for (uint16_t id : {1, 2})
        for (int kind = 0; kind < 3; ++kind) {
            swfw::Place p;
            p.Depth = depth;
            p.CharacterId = id;
            p.Matrix = swfw::Transform{1, 0, 0, 1, id == 1 ? 206 : 212, int32_t(depth - 1) * 200};
            if (kind == 1)
                p.Filters = swfw::FilterList({swfw::ColorMatrixRecord(identity)});
            p.CacheAsBitmap = kind == 2;
            w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(p));
            ++depth;
        }
    w.ShowFrame();
    auto f = testing_swf::RenderMovie(w.Build(), swf::Quality::Low);
    constexpr uint32_t Bar = 0xffff0000u;
    // The plain bar covers [10.3, 20.7), the others [10, 20.4).
    EXPECT_EQ(f.At(20, 5), Bar);
    for (int y : {15, 25}) {
        EXPECT_EQ(f.At(10, y), Bar) << y;
        EXPECT_EQ(f.At(20, y), White) << y;
    }
    // The plain bar covers [10.6, 21.3), the others [11, 21.7).
    EXPECT_EQ(f.At(21, 35), White);
    for (int y : {45, 55}) {
        EXPECT_EQ(f.At(21, y), Bar) << y;
        EXPECT_EQ(f.At(10, y), White) << y;
    }
}

// A cached clip placed at x = 5.4 holding a square at x = 0.3, scrolled to
// the 10x10 rectangle at x = 1: its bitmap, and with it the rectangle's
// edges, starts on the whole pixel nearest the rectangle's corner (5), not
// the content's (6).
TEST(Filters, ACachedScrolledClipIsCutOnWholePixels) {
    auto w = testing_swf::Stage(30, 20);
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(1, 0, 0, 20, 20, {255, 0, 0, 255}));
    swfw::MovieWriter sprite(10, {}, 12);
    swfw::Place square;
    square.CharacterId = 1;
    square.Matrix = swfw::Transform{1, 0, 0, 1, 6, 0};
    sprite.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(square));
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(2, sprite));
    swfw::Place p;
    p.CharacterId = 2;
    p.Name = "c";
    p.Matrix = swfw::Transform{1, 0, 0, 1, 108, 0};
    p.CacheAsBitmap = true;
    w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(p));
    testing_swf::ActionAssembler a;
    a.Push("c").Op(testing_swf::act::GetVariable).Push("scrollRect");
    a.Push(10.0).Push(10.0).Push(0.0).Push(1.0).Push(4.0);
    a.Push("flash").Op(testing_swf::act::GetVariable).Push("geom").Op(testing_swf::act::GetMember);
    a.Push("Rectangle").Op(testing_swf::act::NewMethod).Op(testing_swf::act::SetMember);
    testing_swf::DoAction(w, a);
    w.ShowFrame();
    auto f = testing_swf::RenderMovie(w.Build(), swf::Quality::High);
    EXPECT_EQ(f.At(4, 5), White);
    EXPECT_EQ(f.At(5, 5), 0xffff0000u);
    EXPECT_EQ(f.At(14, 5), 0xffff0000u);
    EXPECT_EQ(f.At(15, 5), White);
}

// Four frames of a glowing square: moved by whole pixels, by half a pixel,
// recoloured, then moved again. Each frame drawn from the kept layer must
// equal the same frame drawn afresh.
TEST(LayerCache, KeptLayersDrawAsFreshOnes) {
    auto w = testing_swf::Stage(60, 40);
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(1, 0, 0, 10, 10, {255, 0, 0, 255}));
    swfw::EdgeFields glow{{0, 0, 255, 255}, 6, 6, 0, 0, 2};
    swfw::Place p;
    p.CharacterId = 1;
    p.Matrix = swfw::Transform{1, 0, 0, 1, 200, 200};
    p.Filters = swfw::FilterList({swfw::GlowRecord(glow)});
    w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(p));
    w.ShowFrame();
    swfw::Place move;
    move.Move = true;
    for (swfw::Transform m : {swfw::Transform{1, 0, 0, 1, 260, 220}, swfw::Transform{1, 0, 0, 1, 270, 220}}) {
        move.Matrix = m;
        w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(move));
        w.ShowFrame();
    }
    move.Matrix.reset();
    move.Colors = swfw::ColorTransform{128, 256, 256, 256};
    w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(move));
    w.ShowFrame();
    auto movie = w.Build();

    swf::Player kept;
    kept.Load(movie);
    for (uint32_t frame = 0; frame < 4; ++frame) {
        if (frame > 0)
            kept.Advance();
        swf::Player fresh;
        fresh.Load(movie);
        fresh.GotoFrame(frame);
        auto a = testing_swf::Render(kept), b = testing_swf::Render(fresh);
        ASSERT_EQ(a.Pixels, b.Pixels) << "frame " << frame;
    }
}

} // namespace

namespace {

// A 40x40 white stage showing button 4, whose up state is the 20x20 red
// square at (10, 10) drawn through a record with the filters and blend
// mode: directly (character 1) or inside a sprite (character 3).
testing_swf::Frame ButtonWith(std::vector<uint8_t> filters, uint8_t blend, uint16_t character) {
    auto w = testing_swf::Stage(40, 40);
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(1, 10, 10, 30, 30, {255, 0, 0, 255}));
    swfw::MovieWriter sprite(10, {}, 12);
    testing_swf::PlaceAt(sprite, 1, 1);
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(3, sprite));
    w.Tag(swfw::code::DefineButton2,
          swfw::Button2Body(4, {{1, character, 1, {}, std::move(filters), blend}, {8, 1, 2, {}}}));
    testing_swf::PlaceAt(w, 1, 4);
    w.ShowFrame();
    return testing_swf::RenderMovie(w.Build(), swf::Quality::Low);
}

} // namespace

TEST(Filters, ButtonRecordsDrawTheirFiltersAndBlendModes) {
    swfw::EdgeFields shadow{{0, 0, 0, 255}, 0, 0, 0, 6, 1};
    for (uint16_t character : {1, 3}) {
        auto f = ButtonWith(swfw::FilterList({swfw::DropShadowRecord(shadow)}), 0, character);
        EXPECT_EQ(f.At(20, 20), 0xffff0000u) << character;
        EXPECT_EQ(f.At(33, 20), Black) << character; // the shadow, six pixels to the right
        EXPECT_EQ(f.At(36, 20), White) << character;
    }
    // Invert (blend mode 10) turns the white under the square black.
    auto inverted = ButtonWith({}, 10, 1);
    EXPECT_EQ(inverted.At(20, 20), 0xff000000u);
    EXPECT_EQ(inverted.At(5, 5), White);
}
