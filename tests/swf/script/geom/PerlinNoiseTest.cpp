#include "swf/script/geom/PerlinNoise.h"

#include <gtest/gtest.h>

namespace {

using swf::script::geom::PerlinNoise;
using swf::script::geom::PerlinOptions;

PerlinOptions Options(double base, int octaves, bool fractal) {
    PerlinOptions o;
    o.BaseX = o.BaseY = base;
    o.Octaves = octaves;
    o.Seed = 42;
    o.Fractal = fractal;
    return o;
}

uint32_t Red(const std::vector<uint32_t>& colors, int width, int x, int y) {
    return colors[size_t(y) * size_t(width) + size_t(x)] >> 16 & 0xFF;
}

TEST(PerlinNoise, LatticePointsAreTheMiddleOfFractalNoiseAndZeroOfTurbulence) {
    auto fractal = PerlinNoise(17, 17, Options(8, 1, true));
    auto turbulence = PerlinNoise(17, 17, Options(8, 1, false));
    for (auto [x, y] : {std::pair{0, 0}, {8, 0}, {16, 8}}) {
        EXPECT_EQ(Red(fractal, 17, x, y), 128u);
        EXPECT_EQ(Red(turbulence, 17, x, y), 0u);
    }
    // Between them the noise moves.
    EXPECT_NE(Red(fractal, 17, 4, 4), 128u);
    EXPECT_GT(Red(turbulence, 17, 4, 4), 0u);
    // No octave at all: the middle, or nothing.
    for (uint32_t c : PerlinNoise(4, 4, Options(8, 0, true)))
        EXPECT_EQ(c, 0xFF808080u);
    for (uint32_t c : PerlinNoise(4, 4, Options(8, 0, false)))
        EXPECT_EQ(c, 0xFF000000u);
}

TEST(PerlinNoise, SeedsChannelsAndGrayPickTheValues) {
    PerlinOptions o = Options(6, 2, true);
    auto first = PerlinNoise(12, 12, o);
    EXPECT_EQ(PerlinNoise(12, 12, o), first);
    o.Seed = 43;
    EXPECT_NE(PerlinNoise(12, 12, o), first);
    o.Channels = 2;
    for (uint32_t c : PerlinNoise(12, 12, o))
        EXPECT_EQ(c & 0xFFFF00FF, 0xFF000000u);
    o.Gray = true;
    o.Channels = 8;
    bool alphaMoves = false;
    for (uint32_t c : PerlinNoise(12, 12, o)) {
        EXPECT_EQ(c >> 16 & 0xFF, c & 0xFF);
        EXPECT_EQ(c >> 8 & 0xFF, c & 0xFF);
        alphaMoves = alphaMoves || (c >> 24) != 0xFF;
    }
    EXPECT_TRUE(alphaMoves);
}

TEST(PerlinNoise, OffsetsMoveEachOctaveAndStitchedNoiseRepeatsAfterTheBitmap) {
    PerlinOptions o = Options(10, 1, true);
    auto still = PerlinNoise(32, 8, o);
    o.Offsets = {{3, 0}};
    auto moved = PerlinNoise(32, 8, o);
    for (int x = 0; x + 3 < 32; ++x)
        EXPECT_EQ(Red(moved, 32, x, 5), Red(still, 32, x + 3, 5));
    // Moved by the whole width, stitched noise is the same in every octave;
    // unstitched noise is not.
    o = Options(10, 2, false);
    o.Offsets = {{32, 0}, {32, 0}};
    auto far = PerlinNoise(32, 8, o);
    EXPECT_NE(far, PerlinNoise(32, 8, Options(10, 2, false)));
    o.Stitch = true;
    PerlinOptions home = Options(10, 2, false);
    home.Stitch = true;
    EXPECT_EQ(PerlinNoise(32, 8, o), PerlinNoise(32, 8, home));
}

} // namespace
