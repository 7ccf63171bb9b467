#include "swf/Error.h"
#include "swf/PngDecoder.h"
#include "swf/PngUnfilter.h"
#include "swfwriter/PngWriter.h"
#include "swfwriter/WriterRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

struct Format {
    uint8_t ColorType, Depth;
};
constexpr Format AllFormats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                                 {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

int Channels(uint8_t colorType) { return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1; }

// Random samples; palette images get a palette of every index with some
// entries translucent, grey and RGB images a transparent colour.
swfw::PngImage RandomImage(Format f, int width, int height, std::mt19937& rng) {
    swfw::PngImage img;
    img.Width = width;
    img.Height = height;
    img.ColorType = f.ColorType;
    img.BitDepth = f.Depth;
    int max = (1 << f.Depth) - 1;
    // Few distinct values, so the transparent colour does occur.
    std::uniform_int_distribution<int> sample(0, 3);
    std::vector<int> values{0, max, max / 3, max / 2};
    for (size_t i = 0; i < size_t(width * height * Channels(f.ColorType)); ++i)
        img.Samples.push_back(uint16_t(values[size_t(sample(rng))]));
    if (f.ColorType == 3) {
        for (int i = 0; i <= max; ++i)
            img.Palette.insert(img.Palette.end(), {uint8_t(i * 37), uint8_t(255 - i), uint8_t(i * 11)});
        img.Transparency = {0, 128, 255};
    } else if (f.ColorType == 0 || f.ColorType == 2) {
        auto v = uint16_t(max / 3);
        for (int c = 0; c < Channels(f.ColorType); ++c)
            img.Transparency.insert(img.Transparency.end(), {uint8_t(v >> 8), uint8_t(v)});
    }
    return img;
}

// The premultiplied pixel a decoder must produce, worked out in floating
// point from the samples (premultiplied channels truncated).
uint32_t Expected(const swfw::PngImage& img, int x, int y) {
    int channels = Channels(img.ColorType);
    const uint16_t* s = &img.Samples[size_t(y * img.Width + x) * size_t(channels)];
    double max = (1 << img.BitDepth) - 1;
    auto scale = [max](int v) { return v * 255.0 / max; };
    double r, g, b, a = 255;
    if (img.ColorType == 3) {
        r = img.Palette[s[0] * 3u], g = img.Palette[s[0] * 3u + 1], b = img.Palette[s[0] * 3u + 2];
        a = s[0] < img.Transparency.size() ? img.Transparency[s[0]] : 255;
    } else {
        r = scale(s[0]);
        g = channels >= 3 ? scale(s[1]) : r;
        b = channels >= 3 ? scale(s[2]) : r;
        if (channels == 2 || channels == 4)
            a = scale(s[channels - 1]);
        bool keyed = !img.Transparency.empty();
        for (int c = 0; c < channels && keyed; ++c)
            keyed = s[c] == (img.Transparency[size_t(c) * 2] << 8 | img.Transparency[size_t(c) * 2 + 1]);
        if (keyed)
            a = 0;
    }
    a = std::round(a);
    auto premultiplied = [a](double c) { return uint32_t(std::floor(std::round(c) * a / 255)); };
    return uint32_t(a) << 24 | premultiplied(r) << 16 | premultiplied(g) << 8 | premultiplied(b);
}

void ExpectDecodesAsWritten(const swfw::PngImage& img, const std::string& what) {
    swf::Bitmap bmp = swf::DecodePng(swfw::EncodePng(img));
    ASSERT_EQ(bmp.Width, img.Width) << what;
    ASSERT_EQ(bmp.Height, img.Height) << what;
    int wrong = 0;
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x)
            wrong += bmp.At(x, y) != Expected(img, x, y);
    EXPECT_EQ(wrong, 0) << what;
}

TEST(Png, EveryColourTypeAndDepthPlainAndInterlaced) {
    std::mt19937 rng(7);
    for (Format f : AllFormats)
        for (bool interlaced : {false, true})
            for (auto [w, h] : {std::pair{1, 1}, {3, 5}, {9, 10}, {17, 3}}) {
                swfw::PngImage img = RandomImage(f, w, h, rng);
                img.Interlaced = interlaced;
                ExpectDecodesAsWritten(img, "type " + std::to_string(f.ColorType) + " depth " +
                                                std::to_string(f.Depth) +
                                                (interlaced ? " interlaced " : " ") + std::to_string(w) +
                                                "x" + std::to_string(h));
            }
}

TEST(Png, EachFilterAloneAndDataSplitOverChunks) {
    std::mt19937 rng(11);
    for (int filter = 0; filter <= 4; ++filter) {
        swfw::PngImage img = RandomImage({6, 8}, 12, 7, rng);
        img.Filter = filter;
        img.ImageChunkSize = 7;
        ExpectDecodesAsWritten(img, "filter " + std::to_string(filter));
    }
}

TEST(Png, FastUnfilterMatchesTheReference) {
    std::mt19937 rng(3);
    for (int round = 0; round < 300; ++round) {
        size_t rowBytes = 1 + rng() % 40, pixelBytes = std::vector<size_t>{1, 2, 3, 4, 6, 8}[rng() % 6];
        size_t rows = 1 + rng() % 6;
        std::vector<uint8_t> data(rows * (rowBytes + 1));
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = i % (rowBytes + 1) == 0 ? uint8_t(rng() % 5) : uint8_t(rng());
        std::vector<uint8_t> fast = data, slow = data;
        swf::UnfilterRows(fast, rowBytes, pixelBytes);
        swf::UnfilterRowsReference(slow, rowBytes, pixelBytes);
        ASSERT_EQ(fast, slow) << "round " << round;
    }
}

// PNG files put together chunk by chunk (CRCs left at zero: they are not
// checked), to say things our writer never would.
using ChunkList = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

std::vector<uint8_t> Assemble(const ChunkList& chunks) {
    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
    for (const auto& [type, body] : chunks) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out.push_back(uint8_t(body.size() >> shift));
        out.insert(out.end(), type.begin(), type.end());
        out.insert(out.end(), body.begin(), body.end());
        out.insert(out.end(), 4, 0);
    }
    return out;
}

std::vector<uint8_t> Header(uint32_t width, uint32_t height, uint8_t depth, uint8_t type,
                            uint8_t interlace = 0) {
    std::vector<uint8_t> h;
    for (uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            h.push_back(uint8_t(v >> shift));
    h.insert(h.end(), {depth, type, 0, 0, interlace});
    return h;
}

// A 2x2 grey 8-bit image: each row is filter 0 and two samples.
const std::vector<uint8_t> GreyRows{0, 10, 20, 0, 30, 40};

void ExpectRefused(const std::vector<uint8_t>& file, const std::string& what) {
    EXPECT_THROW(swf::DecodePng(file), swf::Error) << what;
}

TEST(Png, DamagedAndLyingFilesAreRefused) {
    auto idat = swfw::Deflate(GreyRows);
    auto grey = Header(2, 2, 8, 0);
    ExpectRefused({'G', 'I', 'F'}, "not a PNG");
    ExpectRefused(Assemble({{"IDAT", idat}, {"IHDR", grey}}), "header not first");
    ExpectRefused(Assemble({{"IHDR", Header(0, 2, 8, 0)}, {"IDAT", idat}}), "zero width");
    ExpectRefused(Assemble({{"IHDR", Header(0x80000000u, 2, 8, 0)}, {"IDAT", idat}}), "negative width");
    ExpectRefused(Assemble({{"IHDR", Header(8000, 8000, 16, 6)}, {"IDAT", idat}}), "too many pixels");
    ExpectRefused(Assemble({{"IHDR", Header(2, 2000, 8, 0)}, {"IDAT", idat}}), "data ends early");
    ExpectRefused(Assemble({{"IHDR", Header(2, 2, 3, 0)}, {"IDAT", idat}}), "depth 3");
    ExpectRefused(Assemble({{"IHDR", Header(2, 2, 16, 3)}, {"IDAT", idat}}), "16-bit palette");
    ExpectRefused(Assemble({{"IHDR", Header(2, 2, 8, 5)}, {"IDAT", idat}}), "colour type 5");
    ExpectRefused(Assemble({{"IHDR", Header(2, 2, 8, 0, 2)}, {"IDAT", idat}}), "interlace 2");
    ExpectRefused(Assemble({{"IHDR", {1, 2, 3}}, {"IDAT", idat}}), "short header");
    ExpectRefused(Assemble({{"IHDR", grey}, {"IHDR", grey}, {"IDAT", idat}}), "two headers");
    ExpectRefused(Assemble({{"IHDR", grey}, {"IEND", {}}}), "no image data");
    ExpectRefused(Assemble({{"IHDR", Header(2, 2, 8, 3)}, {"IDAT", idat}}), "palette image without palette");
    ExpectRefused(
        Assemble({{"IHDR", Header(2, 2, 8, 3)}, {"PLTE", std::vector<uint8_t>(771)}, {"IDAT", idat}}),
        "257 colours");
    ExpectRefused(Assemble({{"IHDR", Header(2, 2, 8, 3)}, {"PLTE", {1, 2}}, {"IDAT", idat}}),
                  "partial colour");
    ExpectRefused(Assemble({{"IHDR", grey}, {"ABCD", {}}, {"IDAT", idat}}), "unknown critical chunk");
    ExpectRefused(Assemble({{"IHDR", grey}, {"IDAT", swfw::Deflate({0, 10, 20, 5, 30, 40})}}), "filter 5");
    ExpectRefused(Assemble({{"IHDR", grey}, {"IDAT", {1, 2, 3, 4}}}), "not zlib");
    auto lying = Assemble({{"IHDR", grey}, {"IDAT", idat}});
    lying[33] = 0x7f; // the IDAT length's top byte
    ExpectRefused(lying, "chunk longer than the file");
}

TEST(Png, CutShortAnywhereIsRefusedWithoutIend) {
    std::mt19937 rng(5);
    swfw::PngImage img = RandomImage({2, 8}, 6, 6, rng);
    auto file = swfw::EncodePng(img);
    size_t withoutEnd = file.size() - 12;
    for (size_t size = 0; size < file.size(); ++size) {
        std::vector<uint8_t> cut(file.begin(), file.begin() + std::ptrdiff_t(size));
        if (size == withoutEnd)
            EXPECT_NO_THROW(swf::DecodePng(cut)); // everything but IEND is there
        else
            ExpectRefused(cut, "cut at " + std::to_string(size));
    }
}

TEST(Png, ToleratedFlaws) {
    auto idat = swfw::Deflate({0, 0, 5});
    // An index past the palette is black; a tRNS of the wrong size and an
    // unknown ancillary chunk are passed over.
    swf::Bitmap bmp = swf::DecodePng(Assemble({{"IHDR", Header(2, 1, 8, 3)},
                                               {"PLTE", {255, 0, 0}},
                                               {"teXt", {'a', 0, 'b'}},
                                               {"IDAT", idat},
                                               {"IEND", {}}}));
    EXPECT_EQ(bmp.At(0, 0), 0xffff0000u);
    EXPECT_EQ(bmp.At(1, 0), 0xff000000u);
    EXPECT_TRUE(bmp.Opaque);
    bmp = swf::DecodePng(Assemble({{"IHDR", Header(2, 1, 8, 0)}, {"tRNS", {0}}, {"IDAT", idat}}));
    EXPECT_EQ(bmp.At(0, 0), 0xff000000u);
}

} // namespace
