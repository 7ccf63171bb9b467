#include "swf/ReferenceRasterizer.h"
#include "swf/ScanlineRasterizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <random>

namespace {

// Collects coverage per pixel and fill.
class Recorder : public swf::CoverageSink {
public:
    void Span(int y, uint32_t fill, int x0, std::span<const float> coverage) override {
        for (size_t i = 0; i < coverage.size(); ++i)
            if (coverage[i] > 0)
                cells[{fill, y, x0 + int(i)}] += coverage[i];
    }
    void EndRow(int) override {}
    float At(uint32_t fill, int x, int y) const {
        auto it = cells.find({fill, y, x});
        return it == cells.end() ? 0.0f : it->second;
    }
    std::map<std::tuple<uint32_t, int, int>, float> cells;
};

// The fast rasterizer's coverage of the edges, anti-aliased.
Recorder Fast(const std::vector<swf::RasterEdge>& edges, uint32_t fills, swf::IntRect clip,
              swf::FillRule rule = swf::FillRule::NonZero) {
    Recorder r;
    swf::ScanlineRasterizer().Run({edges, fills, clip, rule, true}, r);
    return r;
}

void AddPolygon(std::vector<swf::RasterEdge>& edges, const std::vector<std::pair<float, float>>& points,
                uint32_t fill) {
    for (size_t i = 0; i < points.size(); ++i) {
        auto [x0, y0] = points[i];
        auto [x1, y1] = points[(i + 1) % points.size()];
        edges.push_back({x0, y0, x1, y1, fill});
    }
}

// A star-shaped polygon never crosses itself, so exact coverage and the
// fast rasterizer's accumulated area agree.
std::vector<std::pair<float, float>> RandomStar(std::mt19937& rng, float cx, float cy, float radius) {
    std::uniform_real_distribution<float> r(radius * 0.3f, radius), jitter(0.1f, 0.9f);
    int n = 3 + int(rng() % 9);
    std::vector<std::pair<float, float>> points;
    for (int i = 0; i < n; ++i) {
        float a = 2 * std::numbers::pi_v<float> * (float(i) + jitter(rng)) / float(n);
        float d = r(rng);
        points.emplace_back(cx + d * std::cos(a), cy + d * std::sin(a));
    }
    return points;
}

void ExpectSameCoverage(const swf::RasterJob& job, float tolerance) {
    swf::ScanlineRasterizer fast;
    swf::ReferenceRasterizer reference(32);
    Recorder a, b;
    fast.Run(job, a);
    reference.Run(job, b);
    for (uint32_t fill = 0; fill < job.FillCount; ++fill)
        for (int y = job.Clip.Y0; y < job.Clip.Y1; ++y)
            for (int x = job.Clip.X0; x < job.Clip.X1; ++x)
                ASSERT_NEAR(a.At(fill, x, y), b.At(fill, x, y), tolerance)
                    << "fill " << fill << " at " << x << "," << y;
}

TEST(Rasterizer, MatchesTheReferenceOnRandomShapes) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 40; ++round) {
        std::vector<swf::RasterEdge> edges;
        uint32_t fills = 1 + rng() % 3;
        for (uint32_t fill = 0; fill < fills; ++fill)
            AddPolygon(edges,
                       RandomStar(rng, 10 + float(rng() % 20), 10 + float(rng() % 20), 4 + float(rng() % 16)),
                       fill);
        swf::IntRect clip{int(rng() % 6), int(rng() % 6), 34, 34};
        for (bool aa : {true, false})
            ExpectSameCoverage({edges, fills, clip, swf::FillRule::NonZero, aa}, aa ? 0.04f : 0.0f);
    }
}

TEST(Rasterizer, EvenOddAndNonZeroDifferOnlyWhereWindingIsTwo) {
    std::vector<swf::RasterEdge> edges;
    AddPolygon(edges, {{2, 2}, {18, 2}, {18, 18}, {2, 18}}, 0);
    AddPolygon(edges, {{6, 6}, {14, 6}, {14, 14}, {6, 14}}, 0); // same direction: winding 2 inside
    swf::IntRect clip{0, 0, 20, 20};
    for (auto rule : {swf::FillRule::NonZero, swf::FillRule::EvenOdd})
        for (bool aa : {true, false})
            ExpectSameCoverage({edges, 1, clip, rule, aa}, aa ? 0.04f : 0.0f);
    Recorder r = Fast(edges, 1, clip, swf::FillRule::EvenOdd);
    EXPECT_NEAR(r.At(0, 10, 10), 0.0f, 1e-4);
    EXPECT_NEAR(r.At(0, 4, 10), 1.0f, 1e-4);
}

TEST(Rasterizer, CoverageIsTheExactAreaInsideEachPixel) {
    std::vector<swf::RasterEdge> edges;
    // A triangle with a diagonal through pixel (2, 2): half of it is inside.
    AddPolygon(edges, {{0, 0}, {10, 10}, {0, 10}}, 0);
    AddPolygon(edges, {{0.25f, 20}, {5.75f, 20}, {5.75f, 25}, {0.25f, 25}}, 1);
    Recorder r = Fast(edges, 2, {0, 0, 12, 30}, swf::FillRule::NonZero);
    EXPECT_NEAR(r.At(0, 2, 2), 0.5f, 1e-5);
    EXPECT_NEAR(r.At(0, 1, 2), 1.0f, 1e-5);
    EXPECT_NEAR(r.At(0, 3, 2), 0.0f, 1e-5);
    EXPECT_NEAR(r.At(1, 0, 22), 0.75f, 1e-5);
    EXPECT_NEAR(r.At(1, 5, 22), 0.75f, 1e-5);
    EXPECT_NEAR(r.At(1, 3, 22), 1.0f, 1e-5);
}

TEST(Rasterizer, EdgesOutsideTheClipStillCountTowardsTheWinding) {
    std::vector<swf::RasterEdge> edges;
    AddPolygon(edges, {{-1000, 5}, {1000, 5}, {1000, 8}, {-1000, 8}}, 0);
    Recorder r = Fast(edges, 1, {10, 0, 20, 10}, swf::FillRule::NonZero);
    EXPECT_NEAR(r.At(0, 10, 6), 1.0f, 1e-5);
    EXPECT_NEAR(r.At(0, 19, 7), 1.0f, 1e-5);
    EXPECT_NEAR(r.At(0, 15, 4), 0.0f, 1e-5);
}

TEST(Rasterizer, IgnoresEdgesItCannotDraw) {
    float inf = std::numeric_limits<float>::infinity();
    std::vector<swf::RasterEdge> edges{{0, 0, inf, 10, 0}, {std::nanf(""), 0, 1, 1, 0}, {1, 1, 5, 5, 7}};
    Recorder r = Fast(edges, 1, {0, 0, 10, 10}, swf::FillRule::NonZero);
    EXPECT_TRUE(r.cells.empty());
}

// Without anti-aliasing the edges' ends are held to 1/256 pixel; ends far
// out (hostile matrices multiply up) stay finite and still bound the fill.
TEST(Rasterizer, FarEdgesStayUsableWithoutAntialiasing) {
    std::vector<swf::RasterEdge> edges{{-3e38f, 0, -3e38f, 10, 0}, {3e38f, 10, 3e38f, 0, 0}};
    Recorder r;
    swf::ScanlineRasterizer().Run({edges, 1, {0, 0, 10, 10}, swf::FillRule::NonZero, false}, r);
    EXPECT_EQ(r.At(0, 5, 5), 1.0f);
    EXPECT_EQ(r.At(0, 0, 9), 1.0f);
}

} // namespace
