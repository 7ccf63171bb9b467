#include "ProgramPictures.h"
#include "resources/PictureStrip.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace genpictures;

uint32_t Alpha(uint32_t pixel) { return pixel >> 24; }

// What every picture of the program must be: premultiplied, drawn (a good
// part opaque), and clear of its own edge at the corners, so that it sits
// on any backdrop without a box round it.
void ExpectWellFormed(const Picture& picture, int size, const std::string& name) {
    ASSERT_EQ(picture.Size, size) << name;
    ASSERT_EQ(picture.Pixels.size(), static_cast<size_t>(size * size)) << name;
    size_t opaque = 0;
    for (uint32_t pixel : picture.Pixels) {
        for (int shift = 0; shift < 24; shift += 8)
            ASSERT_LE(pixel >> shift & 0xFF, Alpha(pixel)) << name << " is not premultiplied";
        opaque += Alpha(pixel) == 255;
    }
    EXPECT_GT(opaque, picture.Pixels.size() / 20) << name << " is hardly drawn";
    EXPECT_LT(opaque, picture.Pixels.size()) << name << " has no transparent ground";
    for (size_t corner :
         {size_t(0), size_t(size - 1), picture.Pixels.size() - size, picture.Pixels.size() - 1})
        EXPECT_EQ(Alpha(picture.Pixels[corner]), 0u) << name << " corner " << corner;
}

void ExpectAllDifferent(const std::vector<Picture>& pictures, const std::string& set) {
    std::set<std::vector<uint32_t>> seen;
    for (const Picture& picture : pictures)
        seen.insert(picture.Pixels);
    EXPECT_EQ(seen.size(), pictures.size()) << set << " has two identical pictures";
}

void ExpectSet(const std::vector<SketchFunction>& sketches, double design,
               const resources::StripLayout& layout, const std::string& set) {
    ASSERT_EQ(static_cast<int>(sketches.size()), layout.Count) << set;
    auto pictures = DrawAll(sketches, design, layout.Size);
    for (size_t i = 0; i < pictures.size(); ++i)
        ExpectWellFormed(pictures[i], layout.Size, set + " " + std::to_string(i));
    ExpectAllDifferent(pictures, set);
}

TEST(ProgramPictures, ToolbarTrayAndGlyphSetsAreCompleteAndWellFormed) {
    ExpectSet(ToolbarSketches(), 32, resources::ToolbarStrip, "toolbar");
    ExpectSet(TraySketches(), 32, resources::TrayStrip, "tray frame");
    ExpectSet(GlyphSketches(), 16, resources::GlyphStrip, "glyph");
}

TEST(ProgramPictures, TrayFramesTurnTheSamePictureRound) {
    // Consecutive frames differ only where the light runs: the emblem in
    // the middle stays put, so the icon does not flicker.
    auto frames = DrawAll(TraySketches(), 32, resources::TrayStrip.Size);
    for (size_t i = 0; i < frames.size(); ++i) {
        const Picture& next = frames[(i + 1) % frames.size()];
        for (int y = 10; y < 22; ++y)
            for (int x = 10; x < 22; ++x)
                ASSERT_EQ(frames[i].Pixels[static_cast<size_t>(y * 32 + x)],
                          next.Pixels[static_cast<size_t>(y * 32 + x)])
                    << "frame " << i;
    }
}

TEST(ProgramPictures, IconsComeInEverySizeTheyNeed) {
    for (SketchFunction sketch : {WindowIconSketch, FileIconSketch}) {
        auto pictures = DrawIcon(sketch);
        ASSERT_EQ(pictures.size(), std::size(IconSizes));
        for (size_t i = 0; i < pictures.size(); ++i)
            ExpectWellFormed(pictures[i], IconSizes[i], "icon " + std::to_string(IconSizes[i]));
    }
    EXPECT_NE(Draw(WindowIconSketch, 32, 32).Pixels, Draw(FileIconSketch, 32, 32).Pixels);
}

} // namespace
