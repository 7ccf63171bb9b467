#include "swf/ScrollRect.h"
#include "swf/Canvas.h"
#include "swf/ScanlineRasterizer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The mask a scroll rectangle pushes on a 10x10 canvas, row by row.
std::vector<float> MaskOf(const swf::Matrix& toDevice, const swf::ScrollRect& rect) {
    std::vector<uint32_t> pixels(100, 0);
    swf::ScanlineRasterizer raster;
    swf::Canvas canvas({pixels.data(), 10, 10, 10}, raster, swf::Quality::High);
    swf::PushScrollMask(canvas, toDevice, rect);
    std::vector<float> mask;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            mask.push_back(canvas.MaskRow(y)[x]);
    return mask;
}

TEST(ScrollRect, MaskCoversTheRectangleOfThePlacedClipWithPartialEdges) {
    // Twips to pixels, the clip at (2, 3) pixels, a 4.5 x 2 pixel rectangle.
    swf::Matrix toDevice{0.05, 0, 0, 0.05, 2, 3};
    auto mask = MaskOf(toDevice, {100, 100, 4.5, 2});
    EXPECT_EQ(mask[3 * 10 + 2], 1.0f);
    EXPECT_EQ(mask[4 * 10 + 5], 1.0f);
    EXPECT_FLOAT_EQ(mask[3 * 10 + 6], 0.5f);
    EXPECT_EQ(mask[3 * 10 + 1], 0.0f);
    EXPECT_EQ(mask[5 * 10 + 2], 0.0f);
    EXPECT_EQ(mask[2 * 10 + 2], 0.0f);
    // The content moves by the rectangle's corner, before the clip's own
    // placement.
    swf::Point origin = swf::ScrollRect{100, 100, 4.5, 2}.ContentTransform(toDevice).Apply({2000, 2000});
    EXPECT_DOUBLE_EQ(origin.X, 2);
    EXPECT_DOUBLE_EQ(origin.Y, 3);
}

TEST(ScrollRect, RectanglesOffTheCanvasOrNotFiniteMaskEverything) {
    auto away = MaskOf({0.05, 0, 0, 0.05, 50, 50}, {0, 0, 10, 10});
    auto broken = MaskOf({1e308, 0, 0, 1e308, 0, 0}, {0, 0, 1e308, 1e308});
    for (float m : away)
        EXPECT_EQ(m, 0.0f);
    for (float m : broken)
        EXPECT_EQ(m, 0.0f);
}

} // namespace
