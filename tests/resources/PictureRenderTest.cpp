#include "IconFile.h"
#include "Outline.h"
#include "Picture.h"
#include "Sketch.h"
#include "resources/PictureStrip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

using namespace genpictures;

uint32_t Channel(uint32_t pixel, int shift) { return pixel >> shift & 0xFF; }

// A premultiplied pixel drawn over an opaque backdrop.
uint32_t Over(uint32_t pixel, uint32_t backdrop) {
    uint32_t alpha = pixel >> 24, out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8)
        out |= (Channel(pixel, shift) + (Channel(backdrop, shift) * (255 - alpha) + 127) / 255) << shift;
    return out;
}

TEST(AlphaRecovery, GivesBackEveryPixelFromItsTwoBackdrops) {
    EXPECT_EQ(RecoverPixel(0xFF000000u, 0xFFFFFFFFu), 0x00000000u); // nothing drawn
    EXPECT_EQ(RecoverPixel(0xFF3366CCu, 0xFF3366CCu), 0xFF3366CCu); // opaque
    std::mt19937 random(11);
    for (int i = 0; i < 5000; ++i) {
        uint32_t alpha = random() % 256, pixel = alpha << 24;
        for (int shift = 0; shift < 24; shift += 8)
            pixel |= (alpha ? random() % (alpha + 1) : 0) << shift;
        EXPECT_EQ(RecoverPixel(Over(pixel, 0xFF000000u), Over(pixel, 0xFFFFFFFFu)), pixel);
    }
}

TEST(AlphaRecovery, ChannelsThatDisagreeByRoundingStayWithinTheirAlpha) {
    uint32_t pixel = RecoverPixel(0xFF7F7F7Fu, 0xFFFFFEFFu);
    EXPECT_EQ(pixel >> 24, 128u);
    for (int shift = 0; shift < 24; shift += 8)
        EXPECT_LE(Channel(pixel, shift), pixel >> 24);
}

TEST(RenderPicture, OpaqueShapesAndEmptyGroundComeOutExact) {
    Sketch sketch(8);
    sketch.Fill(Outline().Rect(2, 2, 4, 4), Paint::Solid({200, 100, 50, 255}));
    sketch.Fill(Outline().Rect(0, 7, 8, 1), Paint::Solid({0, 0, 255, 128}));
    Picture picture = RenderPicture(sketch.Movie(), 8);
    ASSERT_EQ(picture.Size, 8);
    ASSERT_EQ(picture.Pixels.size(), 64u);
    EXPECT_EQ(picture.Pixels[0], 0u);
    EXPECT_EQ(picture.Pixels[1 * 8 + 6], 0u);
    EXPECT_EQ(picture.Pixels[3 * 8 + 3], 0xFFC86432u);
    EXPECT_EQ(picture.Pixels[5 * 8 + 5], 0xFFC86432u);
    // Half-transparent blue: alpha and premultiplied colour to the step.
    uint32_t half = picture.Pixels[7 * 8 + 4];
    EXPECT_NEAR(static_cast<int>(half >> 24), 128, 1);
    EXPECT_NEAR(static_cast<int>(half & 0xFF), 128, 1);
    EXPECT_EQ(half & 0xFFFF00, 0u);
}

TEST(RenderPicture, ScalesTheDesignToTheSizeAsked) {
    Sketch sketch(32);
    sketch.Fill(Outline().Rect(16, 0, 16, 32), Paint::Solid({255, 255, 255, 255}));
    Picture picture = RenderPicture(sketch.Movie(), 16);
    EXPECT_EQ(picture.Pixels[8 * 16 + 7], 0u);
    EXPECT_EQ(picture.Pixels[8 * 16 + 8], 0xFFFFFFFFu);
}

TEST(RenderPicture, AnUnreadableMovieIsAnError) {
    std::vector<uint8_t> junk{'F', 'W', 'S', 1, 2, 3};
    EXPECT_THROW(RenderPicture(junk, 16), std::runtime_error);
}

TEST(Outline, ArcsStayOnTheirCircle) {
    Outline circle;
    circle.Circle({10, 10}, 7);
    for (const Outline::Step& step : circle.Steps())
        EXPECT_NEAR(std::hypot(step.To.X - 10, step.To.Y - 10), 7, 1e-9);
    // The middle of each quadratic piece lies on the circle within half a
    // percent of its radius.
    Point from = circle.Steps()[0].To;
    for (size_t i = 1; i < circle.Steps().size(); ++i) {
        const auto& step = circle.Steps()[i];
        if (step.Type != Outline::Step::Curve)
            continue;
        double mx = (from.X + 2 * step.Control.X + step.To.X) / 4,
               my = (from.Y + 2 * step.Control.Y + step.To.Y) / 4;
        EXPECT_NEAR(std::hypot(mx - 10, my - 10), 7, 7 * 0.005);
        from = step.To;
    }
    Box box = Outline().Circle({10, 10}, 7).Rotated(1, {0, 0}).Moved(1, 0).Bounds();
    EXPECT_LT(box.Right - box.Left, 14 * 1.1);
}

// Reads little-endian fields of an icon file.
struct Reader {
    const std::vector<uint8_t>& Data;
    uint32_t U8(size_t at) const { return Data.at(at); }
    uint32_t U16(size_t at) const { return U8(at) | U8(at + 1) << 8; }
    uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
};

TEST(IconFile, HoldsEachSizeAsAThirtyTwoBitBitmapWithItsMask) {
    std::vector<Picture> pictures;
    for (int size : {16, 32, 48}) {
        Picture picture{size, std::vector<uint32_t>(static_cast<size_t>(size * size), 0)};
        // An opaque top-left quarter and one half-transparent pixel.
        for (int y = 0; y < size / 2; ++y)
            for (int x = 0; x < size / 2; ++x)
                picture.Pixels[static_cast<size_t>(y * size + x)] = 0xFF2040C0u;
        picture.Pixels.back() = 0x80400000u;
        pictures.push_back(picture);
    }
    auto file = EncodeIcon(pictures);
    Reader in{file};
    ASSERT_EQ(in.U16(0), 0u);
    ASSERT_EQ(in.U16(2), 1u);
    ASSERT_EQ(in.U16(4), 3u);
    size_t expectedOffset = 6 + 3 * 16;
    for (size_t i = 0; i < 3; ++i) {
        size_t entry = 6 + i * 16;
        auto size = static_cast<uint32_t>(pictures[i].Size);
        EXPECT_EQ(in.U8(entry), size);
        EXPECT_EQ(in.U8(entry + 1), size);
        EXPECT_EQ(in.U16(entry + 6), 32u);
        uint32_t bytes = in.U32(entry + 8), offset = in.U32(entry + 12);
        uint32_t maskRow = (size + 31) / 32 * 4;
        EXPECT_EQ(offset, expectedOffset);
        EXPECT_EQ(bytes, 40 + size * size * 4 + size * maskRow);
        expectedOffset += bytes;
        // The bitmap header: twice the height for colour and mask.
        EXPECT_EQ(in.U32(offset), 40u);
        EXPECT_EQ(in.U32(offset + 4), size);
        EXPECT_EQ(in.U32(offset + 8), size * 2);
        EXPECT_EQ(in.U16(offset + 14), 32u);
        EXPECT_EQ(in.U32(offset + 16), 0u);
        // Rows bottom-up: the first row stored is the picture's last.
        size_t colours = offset + 40, mask = colours + size * size * 4;
        EXPECT_EQ(in.U32(colours + (size - 1) * 4), 0x80800000u); // straight alpha
        EXPECT_EQ(in.U32(colours + (size - 1) * size * 4), 0xFF2040C0u);
        // Mask: set where nothing is drawn, clear where anything is.
        EXPECT_EQ(in.U8(mask) & 0x80, 0x80u);                                     // bottom-left, empty
        EXPECT_EQ(in.U8(mask + (size - 1) * maskRow) & 0x80, 0u);                 // top-left, opaque
        EXPECT_EQ(in.U8(mask + (size - 1) / 8) & (0x80 >> ((size - 1) % 8)), 0u); // half-transparent
    }
    EXPECT_EQ(expectedOffset, file.size());
}

TEST(IconFile, RefusesPicturesItCannotHold) {
    EXPECT_THROW(EncodeIcon({Picture{300, std::vector<uint32_t>(90000)}}), std::invalid_argument);
    EXPECT_THROW(EncodeIcon({Picture{16, std::vector<uint32_t>(10)}}), std::invalid_argument);
}

} // namespace
