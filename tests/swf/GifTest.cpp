#include "swf/Error.h"
#include "swf/GifDecoder.h"
#include "swf/GifLzw.h"
#include "swfwriter/GifWriter.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace {

std::vector<uint32_t> Colors(size_t count, uint32_t seed) {
    std::vector<uint32_t> c;
    for (size_t i = 0; i < count; ++i)
        c.push_back((uint32_t(i) * 2654435761u + seed) & 0xffffffu);
    return c;
}

swfw::GifImage RandomImage(int width, int height, int minCodeSize, std::mt19937& rng) {
    swfw::GifImage img;
    img.ScreenWidth = img.Width = width;
    img.ScreenHeight = img.Height = height;
    img.MinCodeSize = minCodeSize;
    img.GlobalColors = Colors(size_t(1) << minCodeSize, 1);
    // Runs of one index now and then, so that long strings build up.
    uint8_t index = 0;
    for (int i = 0; i < width * height; ++i) {
        if (rng() % 3 == 0)
            index = uint8_t(rng() % (1u << minCodeSize));
        img.Indices.push_back(index);
    }
    return img;
}

// Every pixel of the image at its place on the screen, 0 where transparent.
void ExpectDecodesAsWritten(const swfw::GifImage& img, const std::string& what) {
    swf::Bitmap bmp = swf::DecodeGif(swfw::EncodeGif(img));
    ASSERT_EQ(bmp.Width, img.ScreenWidth) << what;
    ASSERT_EQ(bmp.Height, img.ScreenHeight) << what;
    const auto& colors = img.LocalColors.empty() ? img.GlobalColors : img.LocalColors;
    int wrong = 0;
    for (int y = 0; y < bmp.Height; ++y)
        for (int x = 0; x < bmp.Width; ++x) {
            int ix = x - img.Left, iy = y - img.Top;
            uint32_t expected = 0;
            if (ix >= 0 && iy >= 0 && ix < img.Width && iy < img.Height) {
                uint8_t index = img.Indices[size_t(iy * img.Width + ix)];
                expected = index == img.Transparent ? 0 : 0xff000000u | colors[index];
            }
            wrong += bmp.At(x, y) != expected;
        }
    EXPECT_EQ(wrong, 0) << what;
}

TEST(Gif, EveryCodeSizePlainAndInterlaced) {
    std::mt19937 rng(1);
    for (int minCodeSize = 2; minCodeSize <= 8; ++minCodeSize)
        for (bool interlaced : {false, true})
            for (auto [w, h] : {std::pair{1, 1}, {5, 3}, {7, 19}, {64, 40}}) {
                swfw::GifImage img = RandomImage(w, h, minCodeSize, rng);
                img.Interlaced = interlaced;
                ExpectDecodesAsWritten(img, "code size " + std::to_string(minCodeSize) +
                                                (interlaced ? " interlaced " : " ") + std::to_string(w) +
                                                "x" + std::to_string(h));
            }
}

TEST(Gif, LocalPaletteOffsetAndTransparency) {
    std::mt19937 rng(2);
    swfw::GifImage img = RandomImage(9, 6, 4, rng);
    img.ScreenWidth = 20;
    img.ScreenHeight = 12;
    img.Left = 3;
    img.Top = 4;
    img.LocalColors = Colors(16, 99);
    img.Transparent = 2;
    ExpectDecodesAsWritten(img, "offset");
    swf::Bitmap bmp = swf::DecodeGif(swfw::EncodeGif(img));
    EXPECT_FALSE(bmp.Opaque);
    // A screen left at 0 by its writer takes the image's size and place.
    img.ScreenWidth = img.ScreenHeight = 0;
    bmp = swf::DecodeGif(swfw::EncodeGif(img));
    EXPECT_EQ(bmp.Width, 12);
    EXPECT_EQ(bmp.Height, 10);
}

TEST(Gif, TableFillsAndStartsAgain) {
    // Noise of 256 colours fills the 4096-entry table many times over.
    std::mt19937 rng(3);
    std::vector<uint8_t> noise(200 * 150);
    for (auto& v : noise)
        v = uint8_t(rng());
    EXPECT_EQ(swf::DecodeGifLzw(swfw::EncodeGifLzw(noise, 8), 8, noise.size()), noise);
    // One colour throughout: every new code is the one being defined.
    std::vector<uint8_t> flat(100000, 3);
    EXPECT_EQ(swf::DecodeGifLzw(swfw::EncodeGifLzw(flat, 2), 2, flat.size()), flat);
    // The limit is never passed, whatever the data holds.
    EXPECT_EQ(swf::DecodeGifLzw(swfw::EncodeGifLzw(flat, 2), 2, 10).size(), 10u);
}

TEST(Gif, FullTableWithoutClearKeepsTwelveBitCodes) {
    // A writer may go on with a full table instead of clearing it: codes
    // stay 12 bits wide and nothing more is defined. Codes of 3 to 12 bits
    // are written by hand: literals 0 and 1 alternating define 4094 strings.
    std::vector<uint8_t> data;
    uint32_t buffer = 0;
    int count = 0;
    auto put = [&](uint32_t code, int bits) {
        buffer |= code << count;
        for (count += bits; count >= 8; count -= 8, buffer >>= 8)
            data.push_back(uint8_t(buffer));
    };
    put(4, 3);
    std::vector<uint8_t> expected;
    uint32_t next = 6;
    int bits = 3;
    for (int i = 0; next <= 4096; ++i) {
        put(uint32_t(i % 2), bits);
        expected.push_back(uint8_t(i % 2));
        if (i > 0 && ++next == (1u << bits) && bits < 12)
            ++bits;
    }
    put(1, 12); // a literal after the table filled
    expected.push_back(1);
    put(5, 12);
    put(0, 8);
    EXPECT_EQ(swf::DecodeGifLzw(data, 2, 100000), expected);
}

// Both decoders agree on what our writer produces, on damaged codes and on
// noise: the same indices, or both refuse.
TEST(Gif, FastLzwMatchesTheReference) {
    std::mt19937 rng(6);
    auto decode = [](auto decoder, const std::vector<uint8_t>& data, int minCodeSize, size_t limit) {
        try {
            return std::optional(decoder(data, minCodeSize, limit));
        } catch (const swf::Error&) {
            return std::optional<std::vector<uint8_t>>();
        }
    };
    for (int round = 0; round < 300; ++round) {
        int minCodeSize = 2 + int(rng() % 7);
        // Our writer's codes, then the same with bytes changed, then noise.
        std::vector<uint8_t> data = swfw::EncodeGifLzw(
            RandomImage(1 + int(rng() % 90), 1 + int(rng() % 60), minCodeSize, rng).Indices, minCodeSize);
        for (int flips = round % 3 == 1 ? 3 : 0; flips > 0; --flips)
            data[rng() % data.size()] = uint8_t(rng());
        if (round % 3 == 2)
            for (auto& b : data)
                b = uint8_t(rng());
        size_t limit = rng() % 6000;
        auto fast = decode(swf::DecodeGifLzw, data, minCodeSize, limit);
        auto slow = decode(swf::DecodeGifLzwReference, data, minCodeSize, limit);
        ASSERT_EQ(fast, slow) << "round " << round;
    }
}

void ExpectRefused(const std::vector<uint8_t>& file, const std::string& what) {
    EXPECT_THROW(swf::DecodeGif(file), swf::Error) << what;
}

TEST(Gif, DamagedAndLyingFilesAreRefused) {
    std::mt19937 rng(4);
    swfw::GifImage img = RandomImage(8, 8, 2, rng);
    ExpectRefused({'P', 'N', 'G', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0}, "not a GIF");
    ExpectRefused({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3b}, "no image");
    swfw::GifImage noColors = img;
    noColors.GlobalColors.clear();
    ExpectRefused(swfw::EncodeGif(noColors), "no colour table");
    swfw::GifImage empty = img;
    empty.Width = 0;
    empty.Indices.clear();
    ExpectRefused(swfw::EncodeGif(empty), "zero width");
    auto file = swfw::EncodeGif(img);
    auto codeSize = file.size() - 3; // the code size byte sits before the sub-blocks
    while (file[codeSize] != 2)
        --codeSize;
    auto wide = file;
    wide[codeSize] = 12;
    ExpectRefused(wide, "code size 12");
    // Clear, then code 7 before anything is defined (3-bit codes).
    std::vector<uint8_t> undefined(file.begin(), file.begin() + std::ptrdiff_t(codeSize + 1));
    undefined.insert(undefined.end(), {1, 4 | 7 << 3, 0, 0x3b});
    ExpectRefused(undefined, "undefined code");
}

TEST(Gif, CutShortShowsWhatArrivedOrIsRefused) {
    std::mt19937 rng(5);
    swfw::GifImage img = RandomImage(16, 16, 3, rng);
    auto file = swfw::EncodeGif(img);
    swf::Bitmap whole = swf::DecodeGif(file);
    for (size_t size = 0; size < file.size(); ++size) {
        std::vector<uint8_t> cut(file.begin(), file.begin() + std::ptrdiff_t(size));
        try {
            swf::Bitmap part = swf::DecodeGif(cut);
            ASSERT_EQ(part.Pixels.size(), whole.Pixels.size());
            // What arrived is right; the rest is transparent.
            for (size_t i = 0; i < part.Pixels.size(); ++i)
                EXPECT_TRUE(part.Pixels[i] == whole.Pixels[i] || part.Pixels[i] == 0) << size;
        } catch (const swf::Error&) {
        }
    }
}

} // namespace
