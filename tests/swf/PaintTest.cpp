#include "swf/BitmapPaint.h"
#include "swf/Canvas.h"
#include "swf/ColorCompositor.h"
#include "swf/Flatten.h"
#include "swf/GradientPaint.h"
#include "swf/GradientRamp.h"
#include "swf/ScanlineRasterizer.h"
#include "swf/Stroker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

int Channel(uint32_t p, int shift) { return int(p >> shift & 0xff); }

TEST(GradientRamp, StopsInterpolateAndTakeTheColourTransform) {
    swf::Gradient g;
    g.Stops = {{64, {0, 0, 0, 255}}, {192, {255, 255, 255, 255}}};
    auto ramp = swf::BuildRamp(g, {});
    EXPECT_EQ(ramp[0], 0xff000000u); // before the first stop
    EXPECT_EQ(ramp[64], 0xff000000u);
    EXPECT_EQ(Channel(ramp[128], 16), 128);
    EXPECT_EQ(ramp[255], 0xffffffffu); // after the last stop
    swf::ColorTransform halfAlpha{1, 1, 1, 0.5f, 0, 0, 0, 0};
    auto faded = swf::BuildRamp(g, halfAlpha);
    EXPECT_EQ(faded[255], 0x80808080u); // premultiplied
    swf::Gradient reversed;
    reversed.Stops = {{200, {255, 0, 0, 255}}, {100, {0, 0, 255, 255}}};
    auto odd = swf::BuildRamp(reversed, {}); // out of order: no blend, no crash
    EXPECT_EQ(odd[0], 0xffff0000u);
    EXPECT_EQ(swf::BuildRamp(swf::Gradient{}, {})[10], 0u);
}

// A steep stretch of a fill (blue from 0 to 255 between ratios 93 and 127)
// across 206 pixels climbs by the same step at every pixel, as the plug-in
// draws it; a ramp of one entry per ratio skips entries and climbs unevenly.
TEST(GradientRamp, FillsClimbEvenlyAndKeepTheirEndColours) {
    swf::FillStyle fill;
    fill.Kind = swf::FillKind::Linear;
    fill.Grad.Stops = {
        {0, {0, 0, 0, 255}}, {93, {0, 0, 0, 255}}, {127, {0, 0, 255, 255}}, {255, {0, 0, 255, 255}}};
    swf::Matrix toGradient{32768.0 / 206, 0, 0, 1, -16384, 0};
    swf::GradientPaint paint(fill, toGradient, {});
    std::vector<uint32_t> row(206);
    paint.Shade(0, 0, 206, row.data());
    EXPECT_EQ(row.front(), 0xff000000u);
    EXPECT_EQ(row.back(), 0xff0000ffu);
    int least = 255, most = 0;
    for (size_t x = 1; x < row.size(); ++x) {
        int step = Channel(row[x], 0) - Channel(row[x - 1], 0);
        if (Channel(row[x - 1], 0) > 0 && Channel(row[x], 0) < 255) {
            least = std::min(least, step);
            most = std::max(most, step);
        }
    }
    EXPECT_GE(least, 8);
    EXPECT_LE(most - least, 1);
}

// Straightforward bilinear sampling of a clamped bitmap in doubles.
uint32_t ReferenceBilinear(const swf::Bitmap& b, double u, double v) {
    u -= 0.5;
    v -= 0.5;
    int x0 = int(std::floor(u)), y0 = int(std::floor(v));
    double fu = u - x0, fv = v - y0;
    auto at = [&](int x, int y) {
        return b.At(std::clamp(x, 0, b.Width - 1), std::clamp(y, 0, b.Height - 1));
    };
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        double top = Channel(at(x0, y0), shift) * (1 - fu) + Channel(at(x0 + 1, y0), shift) * fu;
        double bottom = Channel(at(x0, y0 + 1), shift) * (1 - fu) + Channel(at(x0 + 1, y0 + 1), shift) * fu;
        out |= uint32_t(std::lround(top * (1 - fv) + bottom * fv)) << shift;
    }
    return out;
}

TEST(BitmapPaint, BilinearMatchesTheReference) {
    std::mt19937 rng(3);
    swf::Bitmap b{7, 5, {}, false};
    for (int i = 0; i < 35; ++i) {
        uint32_t a = rng() & 0xff;
        auto c = [&] { return rng() % (a + 1); };
        b.Pixels.push_back(a << 24 | c() << 16 | c() << 8 | c());
    }
    std::uniform_real_distribution<double> scale(-0.9, 0.9);
    for (int round = 0; round < 50; ++round) {
        swf::Matrix toBitmap{scale(rng), scale(rng), scale(rng), scale(rng), 3, 2};
        swf::BitmapPaint paint(b, toBitmap, {}, false, true);
        uint32_t row[16];
        paint.Shade(-3, round % 7 - 3, 16, row);
        for (int i = 0; i < 16; ++i) {
            swf::Point uv = toBitmap.Apply({-3 + i + 0.5, round % 7 - 3 + 0.5});
            uint32_t expected = ReferenceBilinear(b, uv.X, uv.Y);
            for (int shift = 0; shift < 32; shift += 8)
                ASSERT_LE(std::abs(Channel(row[i], shift) - Channel(expected, shift)), 2)
                    << round << " " << i;
        }
    }
}

// Feeds one span of chosen coverage to the compositor.
class OneSpan {
public:
    explicit OneSpan(std::vector<float> coverage) : coverage_(std::move(coverage)) {}
    void Into(swf::CoverageSink& sink) {
        sink.Span(0, 0, 0, coverage_);
        sink.EndRow(0);
    }

private:
    std::vector<float> coverage_;
};

TEST(Compositing, MatchesSourceOverInFloatingPoint) {
    std::mt19937 rng(8);
    swf::ScanlineRasterizer unused;
    for (int round = 0; round < 300; ++round) {
        uint32_t a = rng() & 0xff;
        auto c = [&](uint32_t limit) { return rng() % (limit + 1); };
        uint32_t src = a << 24 | c(a) << 16 | c(a) << 8 | c(a);
        uint32_t da = rng() & 0xff;
        uint32_t dst = da << 24 | c(da) << 16 | c(da) << 8 | c(da);
        float cover = round % 3 == 0 ? 1.0f : float(rng() % 1000) / 1000;
        uint32_t pixel = dst;
        swf::Canvas canvas({&pixel, 1, 1, 1}, unused, swf::Quality::High);
        swf::SolidPaint paint(src);
        const swf::Paint* paints[] = {&paint};
        swf::ColorCompositor sink(canvas, paints);
        OneSpan({cover}).Into(sink);
        for (int shift = 0; shift < 32; shift += 8) {
            double expected = Channel(src, shift) * cover + Channel(dst, shift) * (1 - a / 255.0 * cover);
            // The source is scaled by its coverage before it is laid over: two
            // roundings.
            ASSERT_LE(std::fabs(Channel(pixel, shift) - expected), 1.6) << std::hex << src << " over " << dst;
        }
    }
}

TEST(Flatten, CurvesStayWithinTheTolerance) {
    std::mt19937 rng(21);
    std::uniform_real_distribution<double> v(-300, 300);
    for (double tolerance : {0.02, 0.2, 1.0}) {
        for (int round = 0; round < 50; ++round) {
            swf::Point p0{v(rng), v(rng)}, c{v(rng), v(rng)}, p1{v(rng), v(rng)};
            std::vector<swf::Point> points{p0};
            swf::FlattenQuad(p0, c, p1, {tolerance, 0}, points);
            ASSERT_EQ(points.back(), p1);
            size_t n = points.size() - 1;
            // Each piece spans an equal step of t: the curve between its ends
            // keeps within the tolerance of the chord.
            for (size_t k = 0; k < n; ++k)
                for (double f : {0.25, 0.5, 0.75}) {
                    double t = (k + f) / n, s = 1 - t;
                    swf::Point q{s * s * p0.X + 2 * s * t * c.X + t * t * p1.X,
                                 s * s * p0.Y + 2 * s * t * c.Y + t * t * p1.Y};
                    swf::Point a = points[k], b = points[k + 1];
                    double len = std::hypot(b.X - a.X, b.Y - a.Y);
                    double dist = len > 0
                                      ? std::fabs((b.X - a.X) * (a.Y - q.Y) - (a.X - q.X) * (b.Y - a.Y)) / len
                                      : std::hypot(q.X - a.X, q.Y - a.Y);
                    ASSERT_LE(dist, tolerance * 1.01 + 1e-9);
                }
        }
    }
}

TEST(Flatten, GridHoldsTheInnerChordEndsAndKeepsTheCurvesEnds) {
    swf::Point p0{10.013, 20.007}, c{50.3, -4.1}, p1{90.011, 30.019};
    std::vector<swf::Point> points{p0};
    swf::FlattenQuad(p0, c, p1, {0.1, 20}, points);
    ASSERT_GT(points.size(), 3u);
    EXPECT_EQ(points.back(), p1);
    for (size_t i = 1; i + 1 < points.size(); ++i) {
        EXPECT_NEAR(points[i].X * 20, std::round(points[i].X * 20), 1e-9);
        EXPECT_NEAR(points[i].Y * 20, std::round(points[i].Y * 20), 1e-9);
    }
}

// The area the stroke outline covers, from the rasterizer's coverage.
class AreaSink : public swf::CoverageSink {
public:
    void Span(int, uint32_t, int, std::span<const float> coverage) override {
        for (float c : coverage)
            Area += c;
    }
    void EndRow(int) override {}
    double Area = 0;
};

double StrokeArea(const std::vector<swf::Point>& points, bool closed, swf::StrokeStyle style) {
    std::vector<swf::RasterEdge> edges;
    swf::Stroker(style, 0, edges).Stroke(points, closed);
    AreaSink sink;
    swf::ScanlineRasterizer().Run({edges, 1, {0, 0, 200, 200}, swf::FillRule::NonZero, true}, sink);
    return sink.Area;
}

TEST(Stroker, CoversTheLineItsCapsAndItsJoins) {
    constexpr double pi = 3.14159265358979;
    swf::StrokeStyle round{5, swf::Cap::Round, swf::Cap::Round, swf::Join::Round, 3, 0.05};
    // A straight line: the rectangle and two half discs.
    EXPECT_NEAR(StrokeArea({{50, 50}, {150, 50}}, false, round), 100 * 10 + pi * 25, 3);
    swf::StrokeStyle flat = round;
    flat.StartCap = flat.EndCap = swf::Cap::None;
    EXPECT_NEAR(StrokeArea({{50, 50}, {150, 50}}, false, flat), 1000, 1);
    flat.EndCap = swf::Cap::Square;
    EXPECT_NEAR(StrokeArea({{50, 50}, {150, 50}}, false, flat), 1050, 1);
    // A right angle: a round join adds a quarter disc outside, a bevel a
    // triangle, a miter the full square corner.
    flat.EndCap = swf::Cap::None;
    std::vector<swf::Point> corner{{50, 50}, {150, 50}, {150, 150}};
    double twoArms = 2 * 100 * 10 - 25; // the inner overlap counts once
    EXPECT_NEAR(StrokeArea(corner, false, flat), twoArms + pi * 25 / 4, 3);
    flat.JoinStyle = swf::Join::Bevel;
    EXPECT_NEAR(StrokeArea(corner, false, flat), twoArms + 12.5, 2);
    flat.JoinStyle = swf::Join::Miter;
    EXPECT_NEAR(StrokeArea(corner, false, flat), twoArms + 25, 2);
    // The tip of a right angle lies 0.71 line widths past the joint: the
    // lowest limit a movie can set (1) keeps it, one under it bevels.
    flat.MiterLimit = 1;
    EXPECT_NEAR(StrokeArea(corner, false, flat), twoArms + 25, 2);
    flat.MiterLimit = 0.7;
    EXPECT_NEAR(StrokeArea(corner, false, flat), twoArms + 12.5, 2);
    // A closed square has joins at every corner and no caps.
    std::vector<swf::Point> square{{50, 50}, {150, 50}, {150, 150}, {50, 150}, {50, 50}};
    swf::StrokeStyle miter{5, swf::Cap::Round, swf::Cap::Round, swf::Join::Miter, 3, 0.05};
    EXPECT_NEAR(StrokeArea(square, true, miter), 110 * 110 - 90 * 90, 3);
    // A dot: a line of no length with round caps is a disc.
    EXPECT_NEAR(StrokeArea({{100, 100}, {100, 100}}, false, round), pi * 25, 2);
}

} // namespace
