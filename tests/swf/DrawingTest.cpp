#include "swf/Drawing.h"

#include <gtest/gtest.h>

namespace {

swf::FillStyle Solid(uint8_t r, uint8_t g, uint8_t b) {
    swf::FillStyle fill;
    fill.Color = {r, g, b, 255};
    return fill;
}

swf::LineStyle Line(uint16_t width) {
    swf::LineStyle line;
    line.Width = width;
    return line;
}

// Edges of a square from (x, y), `size` twips a side, drawn by the pen.
void Square(swf::Drawing& d, double x, double y, double size) {
    d.MoveTo({x, y});
    d.LineTo({x + size, y});
    d.LineTo({x + size, y + size});
    d.LineTo({x, y + size});
}

TEST(Drawing, EveryFillStartsALayerAboveWhatWasDrawnBefore) {
    swf::Drawing d;
    d.SetLine(Line(20));
    d.LineTo({100, 0});
    d.BeginFill(Solid(255, 0, 0));
    Square(d, 0, 0, 100);
    d.BeginFill(Solid(0, 0, 255));
    Square(d, 50, 50, 100);
    d.EndFill();
    auto shape = d.Shape();
    ASSERT_EQ(shape->Source.Layers, 3u);
    ASSERT_EQ(shape->FillLayers.size(), 3u);
    EXPECT_TRUE(shape->FillLayers[0].Edges.empty());
    EXPECT_FALSE(shape->FillLayers[1].Edges.empty());
    EXPECT_FALSE(shape->FillLayers[2].Edges.empty());
    for (const swf::FillEdge& e : shape->FillLayers[2].Edges)
        EXPECT_EQ(e.Fill, 2u);
}

TEST(Drawing, AnOpenFillIsClosedWithTheLineInForceWhetherEndedOrNot) {
    swf::Drawing ended;
    ended.BeginFill(Solid(0, 255, 0));
    ended.SetLine(Line(100));
    Square(ended, 0, 0, 200);
    swf::Drawing open = ended;
    ended.EndFill();
    for (const swf::Drawing* d : {&ended, &open}) {
        auto shape = d->Shape();
        const swf::Path& last = shape->Source.Paths.back();
        EXPECT_EQ(last.Line, 1u);
        EXPECT_EQ(last.Segments.back().To, (swf::Point{0, 0}));
    }
    // Shown closed, the open fill is still open: more edges join it.
    open.LineTo({-100, 100});
    EXPECT_EQ(open.Shape()->Source.Paths.back().Segments.back().To, (swf::Point{0, 0}));
    EXPECT_EQ(open.Shape()->Source.Paths.back().Segments.size(), 5u);
}

TEST(Drawing, LinesWithoutAFillStayOpenAndMovesStartNewPaths) {
    swf::Drawing d;
    d.SetLine(Line(20));
    d.LineTo({100, 0});
    d.LineTo({100, 100});
    d.MoveTo({300, 300});
    d.CurveTo({400, 300}, {400, 400});
    auto shape = d.Shape();
    ASSERT_EQ(shape->Source.Paths.size(), 2u);
    EXPECT_EQ(shape->Source.Paths[0].Segments.size(), 2u);
    EXPECT_EQ(shape->Source.Paths[1].Start, (swf::Point{300, 300}));
    EXPECT_TRUE(shape->Source.Paths[1].Segments[0].Curve);
    EXPECT_TRUE(shape->FillLayers[0].Edges.empty());
}

TEST(Drawing, BoundsHoldTheEdgesControlPointsAndHalfTheWidestLine) {
    swf::Drawing d;
    EXPECT_FALSE(d.Bounds());
    d.BeginFill(Solid(0, 0, 0));
    Square(d, 0, 0, 2000);
    d.EndFill();
    auto box = d.Bounds();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->XMin, 0);
    EXPECT_EQ(box->XMax, 2000);
    d.SetLine(Line(200));
    d.MoveTo({0, 0});
    d.CurveTo({-1000, 1000}, {0, 2000});
    box = d.Bounds();
    EXPECT_EQ(box->XMin, -1100);
    EXPECT_EQ(box->YMin, -100);
    EXPECT_EQ(box->YMax, 2100);
}

TEST(Drawing, ClearForgetsEverythingAndCountsAsAChange) {
    swf::Drawing d;
    d.SetLine(Line(20));
    d.BeginFill(Solid(1, 2, 3));
    Square(d, 0, 0, 100);
    uint64_t before = d.Revision();
    d.Clear();
    EXPECT_GT(d.Revision(), before);
    EXPECT_TRUE(d.Empty());
    // Neither the fill nor the line survives: new edges are bare.
    d.LineTo({100, 100});
    auto shape = d.Shape();
    EXPECT_EQ(shape->Source.Paths[0].Line, 0u);
    EXPECT_EQ(shape->Source.Paths[0].Fill1, 0u);
    EXPECT_EQ(shape->Source.Paths[0].Start, (swf::Point{0, 0}));
}

TEST(Drawing, AScriptDrawingWithoutEndStopsAddingEdgesAtTheLimit) {
    swf::Drawing d;
    d.SetLine(Line(20));
    for (int i = 0; i < (1 << 20) + 1000; ++i)
        d.LineTo({double(i % 7), double(i % 5)});
    size_t segments = 0;
    for (const swf::Path& p : d.Shape()->Source.Paths)
        segments += p.Segments.size();
    EXPECT_EQ(segments, size_t(1) << 20);
}

} // namespace
