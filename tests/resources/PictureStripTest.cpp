#include "resources/PictureStrip.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

namespace {

using resources::DecodeStrip;
using resources::EncodeStrip;
using resources::PictureStrip;
using resources::StripLayout;

constexpr StripLayout Small{L"Small", "Small.bin", 2, 3};

PictureStrip SmallStrip() {
    PictureStrip strip{2, 3, {}};
    for (uint32_t i = 0; i < 12; ++i)
        strip.Pixels.push_back(0x80000000u | i * 0x010203u);
    return strip;
}

TEST(PictureStrip, RoundTripsAndHandsOutEachPicture) {
    PictureStrip strip = SmallStrip();
    auto stored = EncodeStrip(strip);
    EXPECT_EQ(stored.size(), 10u + 12 * 4);
    PictureStrip read = DecodeStrip(stored, Small);
    EXPECT_EQ(read.Pixels, strip.Pixels);
    ASSERT_EQ(read.Picture(2).size(), 4u);
    EXPECT_EQ(read.Picture(2)[0], strip.Pixels[8]);
    EXPECT_THROW(read.Picture(3), std::out_of_range);
    EXPECT_THROW(read.Picture(-1), std::out_of_range);
}

TEST(PictureStrip, DamagedOrForeignDataIsRefused) {
    auto stored = EncodeStrip(SmallStrip());
    auto refused = [](std::vector<uint8_t> data, const StripLayout& layout = Small) {
        EXPECT_THROW(DecodeStrip(data, layout), std::runtime_error);
    };
    refused({});
    refused({stored.begin(), stored.begin() + 9}); // header cut short
    refused({stored.begin(), stored.end() - 1});   // pixels cut short
    auto longer = stored;
    longer.push_back(0);
    refused(longer);
    auto magic = stored;
    magic[0] = 'X';
    refused(magic);
    auto reserved = stored;
    reserved[9] = 1;
    refused(reserved);
    // Another layout than the program expects: wrong size, wrong count.
    refused(stored, {L"", "", 3, 3});
    refused(stored, {L"", "", 2, 4});
    // A header claiming a huge strip over a short body is refused before
    // anything is allocated for it.
    auto huge = stored;
    huge[4] = huge[5] = huge[6] = huge[7] = 0xFF;
    refused(huge, {L"", "", 0xFFFF, 0xFFFF});
}

TEST(PictureStrip, RandomDamageNeverGetsPastTheChecksUnnoticed) {
    auto stored = EncodeStrip(SmallStrip());
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        auto damaged = stored;
        damaged.resize(random() % (stored.size() + 4));
        for (int i = 0; i < 3 && !damaged.empty(); ++i)
            damaged[random() % damaged.size()] ^= static_cast<uint8_t>(1 + random() % 255);
        try {
            PictureStrip read = DecodeStrip(damaged, Small);
            // Only a pixel byte can change without the checks noticing.
            EXPECT_EQ(read.Pixels.size(), 12u);
        } catch (const std::runtime_error&) {
        }
    }
}

TEST(PictureStrip, EncodingRefusesPixelsThatDoNotMatchTheHeader) {
    PictureStrip strip = SmallStrip();
    strip.Pixels.pop_back();
    EXPECT_THROW(EncodeStrip(strip), std::invalid_argument);
}

TEST(Unpremultiply, RestoresStraightColoursWithinRounding) {
    EXPECT_EQ(resources::Unpremultiply(0x00000000u), 0u);
    EXPECT_EQ(resources::Unpremultiply(0xFF123456u), 0xFF123456u);
    EXPECT_EQ(resources::Unpremultiply(0x80400000u), 0x80800000u);
    std::mt19937 random(3);
    for (int i = 0; i < 2000; ++i) {
        uint32_t alpha = 1 + random() % 255, straight = random() % 256;
        uint32_t premultiplied = (straight * alpha + 127) / 255;
        uint32_t back = resources::Unpremultiply(alpha << 24 | premultiplied) & 0xFF;
        // Premultiplying lost what alpha cannot hold; going back stays
        // within one step of the alpha's resolution.
        EXPECT_LE(std::abs(static_cast<int>(back) - static_cast<int>(straight)),
                  static_cast<int>(255 / alpha / 2 + 1));
    }
}

} // namespace
