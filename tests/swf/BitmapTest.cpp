#include "RenderHelpers.h"

#include "swfwriter/GifWriter.h"
#include "swfwriter/PngWriter.h"

#include <gtest/gtest.h>

namespace {

using testing_swf::Difference;
using testing_swf::Frame;

// A size x size bitmap: left half red, right half blue; the bottom quarter
// green.
std::vector<uint32_t> Pixels(int size = 4) {
    std::vector<uint32_t> p(size_t(size * size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            p[size_t(y * size + x)] = y >= size * 3 / 4 ? 0xff00ff00u
                                      : x < size / 2    ? 0xffff0000u
                                                        : 0xff0000ffu;
    return p;
}

// JPEG blurs colour across 8-pixel blocks, so its test image is larger.
constexpr int JpegSize = 16;

// Fills a 40x40 pixel square with the bitmap, stretched to 20 pixels.
Frame Draw(const std::vector<uint8_t>& bitmapTag, uint16_t code, uint8_t fillType,
           swf::Quality quality = swf::Quality::Medium, int size = 4) {
    auto w = testing_swf::Stage(40, 40);
    w.Tag(code, bitmapTag);
    swfw::ShapeBuilder s;
    double scale = 400.0 / size;
    uint32_t fill = s.BitmapFill(1, {scale, 0, 0, scale, 0, 0}, fillType);
    s.Styles(0, fill, 0);
    testing_swf::Box(s, 0, 0, 800, 800);
    w.Tag(swfw::code::DefineShape3, swfw::ShapeBody(2, 3, {0, 800, 0, 800}, s));
    testing_swf::PlaceAt(w, 1, 2);
    w.ShowFrame();
    return testing_swf::RenderMovie(w.Build(), quality);
}

void ExpectPattern(const Frame& f, int tolerance) {
    EXPECT_LE(Difference(f.At(2, 2), 0xffff0000u), tolerance);
    EXPECT_LE(Difference(f.At(17, 2), 0xff0000ffu), tolerance);
    EXPECT_LE(Difference(f.At(7, 17), 0xff00ff00u), tolerance);
}

TEST(Bitmaps, LosslessFormats) {
    ExpectPattern(Draw(swfw::LosslessBody(1, 1, 4, 4, Pixels()), swfw::code::DefineBitsLossless, 0x43), 0);
    ExpectPattern(Draw(swfw::LosslessBody(1, 2, 4, 4, Pixels()), swfw::code::DefineBitsLossless2, 0x43), 0);
    std::vector<uint8_t> indices(16);
    for (int i = 0; i < 16; ++i)
        indices[size_t(i)] = uint8_t(i >= 12 ? 2 : (i % 4) < 2 ? 0 : 1);
    std::vector<uint32_t> palette{0xffff0000u, 0xff0000ffu, 0xff00ff00u};
    ExpectPattern(
        Draw(swfw::LosslessPaletteBody(1, 1, 4, 4, palette, indices), swfw::code::DefineBitsLossless, 0x43),
        0);
    ExpectPattern(
        Draw(swfw::LosslessPaletteBody(1, 2, 4, 4, palette, indices), swfw::code::DefineBitsLossless2, 0x43),
        0);
}

TEST(Bitmaps, TransparentPixelsShowWhatIsBehind) {
    std::vector<uint32_t> p = Pixels();
    p[0] = 0x80800000u; // half-transparent red, premultiplied
    Frame f = Draw(swfw::LosslessBody(1, 2, 4, 4, p), swfw::code::DefineBitsLossless2, 0x43);
    EXPECT_LE(Difference(f.At(2, 2), 0xffff7f7fu), 2);
}

TEST(Bitmaps, PngAlphaOverWhiteIsTruncated) {
    // Orange at alpha 63: 174 * 63 / 255 = 42.99 premultiplied, kept as 42,
    // so the pixel over white is 234 green, not 235.
    swfw::PngImage png;
    png.Width = png.Height = 4;
    for (int i = 0; i < 16; ++i)
        png.Samples.insert(png.Samples.end(), {255, 174, 49, 63});
    Frame f = Draw(swfw::Jpeg2Body(1, swfw::EncodePng(png)), swfw::code::DefineBitsJpeg2, 0x43);
    EXPECT_EQ(f.At(2, 2), 0xffffeaccu);
}

TEST(Bitmaps, JpegWithAndWithoutAlpha) {
    auto jpeg = swfw::EncodeJpeg(JpegSize, JpegSize, Pixels(JpegSize));
    ExpectPattern(
        Draw(swfw::Jpeg2Body(1, jpeg), swfw::code::DefineBitsJpeg2, 0x43, swf::Quality::Medium, JpegSize),
        40);
    std::vector<uint8_t> alpha(JpegSize * JpegSize, 255);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            alpha[size_t(y * JpegSize + x)] = 0;
    Frame f = Draw(swfw::Jpeg3Body(1, jpeg, alpha), swfw::code::DefineBitsJpeg3, 0x43, swf::Quality::Medium,
                   JpegSize);
    EXPECT_EQ(f.At(2, 2), 0xffffffffu); // fully transparent corner
    EXPECT_LE(Difference(f.At(7, 2), 0xffff0000u), 40);
}

// The test pattern as an 8-bit RGBA PNG and as a GIF with a palette.
std::vector<uint8_t> PatternPng() {
    swfw::PngImage png;
    png.Width = png.Height = 4;
    for (uint32_t p : Pixels())
        png.Samples.insert(png.Samples.end(), {uint16_t(p >> 16 & 0xff), uint16_t(p >> 8 & 0xff),
                                               uint16_t(p & 0xff), uint16_t(p >> 24)});
    return swfw::EncodePng(png);
}

std::vector<uint8_t> PatternGif() {
    swfw::GifImage gif;
    gif.ScreenWidth = gif.ScreenHeight = gif.Width = gif.Height = 4;
    gif.GlobalColors = {0xff0000, 0x0000ff, 0x00ff00, 0};
    gif.MinCodeSize = 2;
    for (uint32_t p : Pixels())
        gif.Indices.push_back(p == 0xffff0000u ? 0 : p == 0xff0000ffu ? 1 : 2);
    return swfw::EncodeGif(gif);
}

TEST(Bitmaps, PngAndGifInJpegTags) {
    for (const auto& image : {PatternPng(), PatternGif()}) {
        ExpectPattern(Draw(swfw::Jpeg2Body(1, image), swfw::code::DefineBitsJpeg2, 0x43), 0);
        // The alpha plane of DefineBitsJPEG3 is for JPEG only: these images
        // carry their own, and an all-transparent plane changes nothing.
        std::vector<uint8_t> alpha(16, 0);
        ExpectPattern(Draw(swfw::Jpeg3Body(1, image, alpha), swfw::code::DefineBitsJpeg3, 0x43), 0);
    }
}

TEST(Bitmaps, JpegTablesAndStrayMarkers) {
    auto jpeg = swfw::EncodeJpeg(JpegSize, JpegSize, Pixels(JpegSize));
    // Movies often put an end and a start marker before the image.
    std::vector<uint8_t> stray{0xff, 0xd9, 0xff, 0xd8};
    stray.insert(stray.end(), jpeg.begin(), jpeg.end());
    ExpectPattern(
        Draw(swfw::Jpeg2Body(1, stray), swfw::code::DefineBitsJpeg2, 0x43, swf::Quality::Medium, JpegSize),
        40);
    // DefineBits keeps its tables in JPEGTables: split the stream at the
    // first frame header.
    size_t sof = 2;
    while (sof + 1 < jpeg.size() && !(jpeg[sof] == 0xff && jpeg[sof + 1] == 0xc0))
        sof += 2 + (size_t(jpeg[sof + 2]) << 8 | jpeg[sof + 3]);
    std::vector<uint8_t> tables(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(sof));
    tables.insert(tables.end(), {0xff, 0xd9});
    std::vector<uint8_t> image{0xff, 0xd8};
    image.insert(image.end(), jpeg.begin() + std::ptrdiff_t(sof), jpeg.end());
    auto w = testing_swf::Stage(40, 40);
    w.Tag(swfw::code::JpegTables, tables);
    auto body = swfw::Jpeg2Body(1, image);
    swfw::ShapeBuilder s;
    uint32_t fill = s.BitmapFill(1, {25, 0, 0, 25, 0, 0}, 0x43);
    s.Styles(0, fill, 0);
    testing_swf::Box(s, 0, 0, 800, 800);
    w.Tag(swfw::code::DefineBits, body);
    w.Tag(swfw::code::DefineShape3, swfw::ShapeBody(2, 3, {0, 800, 0, 800}, s));
    testing_swf::PlaceAt(w, 1, 2);
    w.ShowFrame();
    ExpectPattern(testing_swf::RenderMovie(w.Build(), swf::Quality::Medium), 40);
}

TEST(Bitmaps, RepeatingClippedAndSmoothed) {
    auto tag = swfw::LosslessBody(1, 1, 4, 4, Pixels());
    // The fill spans 40 pixels but the bitmap 20: repeated, the pattern
    // starts again; clipped, its edge pixels stretch on.
    Frame repeated = Draw(tag, swfw::code::DefineBitsLossless, 0x42);
    Frame clipped = Draw(tag, swfw::code::DefineBitsLossless, 0x43);
    EXPECT_EQ(repeated.At(22, 2), 0xffff0000u);
    EXPECT_EQ(clipped.At(22, 2), 0xff0000ffu);
    EXPECT_EQ(clipped.At(35, 35), 0xff00ff00u);
    // Smoothing blends across the red/blue border; unsmoothed it is sharp.
    Frame sharp = Draw(tag, swfw::code::DefineBitsLossless, 0x41, swf::Quality::Medium);
    Frame smooth = Draw(tag, swfw::code::DefineBitsLossless, 0x41, swf::Quality::High);
    EXPECT_EQ(sharp.At(9, 2), 0xffff0000u);
    uint32_t blend = smooth.At(9, 2);
    EXPECT_GT(blend & 0xff, 20u);
    EXPECT_GT(blend >> 16 & 0xff, 20u);
}

TEST(Bitmaps, DamagedImagesAreLeftOut) {
    auto w = testing_swf::Stage(10, 10);
    std::vector<uint8_t> huge{1, 0, 5, 0xff, 0x7f, 0xff, 0x7f, 0x78, 0x9c}; // 32767 x 32767
    w.Tag(swfw::code::DefineBitsLossless, huge);
    std::vector<uint8_t> notJpeg{2, 0, 0xff, 0xd8, 0xff, 0xc0, 0, 0};
    w.Tag(swfw::code::DefineBitsJpeg2, notJpeg);
    w.ShowFrame();
    swf::Player p;
    p.Load(w.Build());
    ASSERT_TRUE(p.HasMovie());
    EXPECT_EQ(p.CurrentMovie()->Characters().FindBitmap(1), nullptr);
    EXPECT_EQ(p.CurrentMovie()->Characters().FindBitmap(2), nullptr);
    EXPECT_EQ(p.CurrentMovie()->Characters().Problems().size(), 2u);
}

} // namespace
