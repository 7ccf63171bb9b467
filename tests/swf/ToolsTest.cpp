#include "ImageCompare.h"
#include "Json.h"
#include "RenderArguments.h"
#include "SeedMovies.h"

#include "swf/Player.h"

#include <gtest/gtest.h>

namespace {

std::optional<tools::RenderArguments> Parse(std::vector<std::string> args) {
    std::string error;
    auto parsed = tools::ParseRenderArguments(args, error);
    EXPECT_EQ(parsed.has_value(), error.empty()) << error;
    return parsed;
}

TEST(SwfRenderArguments, ReadsEveryOption) {
    auto a = Parse({"m.swf", "--frames", "5", "--quality", "low", "--scale", "2.5", "--out", "o.png",
                    "--capture", "2:a.png", "--capture", "9:b.png", "--trace"});
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Movie, "m.swf");
    EXPECT_EQ(a->Frames, 9); // a capture past --frames runs the movie that far
    EXPECT_EQ(a->Level, swf::Quality::Low);
    EXPECT_DOUBLE_EQ(a->Scale, 2.5);
    EXPECT_EQ(a->Out, "o.png");
    ASSERT_EQ(a->Captures.size(), 2u);
    EXPECT_EQ(a->Captures[0].Frame, 2);
    EXPECT_EQ(a->Captures[1].Path, "b.png");
    EXPECT_TRUE(a->Trace);
    auto defaults = Parse({"m.swf"});
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->Frames, 1);
    EXPECT_EQ(defaults->Level, swf::Quality::High);
    EXPECT_FALSE(defaults->Out);
}

TEST(SwfRenderArguments, RejectsWhatItCannotUse) {
    for (std::vector<std::string> bad : {std::vector<std::string>{},
                                         {"--frames", "2"},
                                         {"m.swf", "--frames", "0"},
                                         {"m.swf", "--frames", "x"},
                                         {"m.swf", "--quality", "ultra"},
                                         {"m.swf", "--scale", "-1"},
                                         {"m.swf", "--scale", "nan"},
                                         {"m.swf", "--capture", "3"},
                                         {"m.swf", "--capture", ":a.png"},
                                         {"m.swf", "--out"},
                                         {"a.swf", "b.swf"},
                                         {"m.swf", "--bogus", "1"}})
        EXPECT_FALSE(Parse(bad)) << bad.size();
}

TEST(Json, ReadsTheCorpusIndexShape) {
    auto doc = tools::ParseJson(R"([{"dir": "a/b", "num_frames": 3, "viewport": null, "has_actions": false,
        "captures": [{"name": "out", "tolerance": 2}], "text": "q\"uote"}])");
    ASSERT_EQ(doc.Items.size(), 1u);
    const auto& c = doc.Items[0];
    EXPECT_EQ(c["dir"].Text, "a/b");
    EXPECT_EQ(c["num_frames"].Number, 3);
    EXPECT_TRUE(c["viewport"].IsNull());
    EXPECT_TRUE(c["missing"].IsNull());
    EXPECT_FALSE(c["has_actions"].Flag);
    EXPECT_EQ(c["captures"].Items[0]["tolerance"].Number, 2);
    EXPECT_EQ(c["text"].Text, "q\"uote");
    for (const char* bad : {"[1,", "{\"a\" 1}", "[1] 2", "\"open"})
        EXPECT_THROW(tools::ParseJson(bad), std::runtime_error) << bad;
}

TEST(ImageCompare, StrictAndNearScores) {
    tools::Image a{10, 10, std::vector<uint8_t>(400, 100)}, b = a;
    auto same = tools::ComparePictures(a, b, 0, 0);
    EXPECT_TRUE(same.Strict);
    EXPECT_TRUE(same.Near);
    b.Rgba[0] = 105; // one pixel 5 off
    auto close = tools::ComparePictures(a, b, 2, 0);
    EXPECT_FALSE(close.Strict);
    EXPECT_TRUE(close.Near); // within 8 everywhere
    EXPECT_EQ(close.Outliers, 1);
    EXPECT_TRUE(tools::ComparePictures(a, b, 2, 1).Strict);
    b.Rgba[4] = 200; // two more pixels far off: 2% of the picture
    b.Rgba[8] = 200;
    EXPECT_FALSE(tools::ComparePictures(a, b, 2, 1).Near);
    tools::Image small{5, 5, std::vector<uint8_t>(100, 0)};
    auto mismatch = tools::ComparePictures(a, small, 0, 0);
    EXPECT_FALSE(mismatch.Strict);
    EXPECT_FALSE(mismatch.Problem.empty());
}

TEST(SeedMovies, AllLoadAndPlayWithoutProblems) {
    for (const auto& [name, bytes] : tools::SeedMovies()) {
        swf::Player p;
        p.Load(bytes);
        ASSERT_TRUE(p.HasMovie()) << name << ": " << p.LoadError();
        EXPECT_TRUE(p.CurrentMovie()->Characters().Problems().empty()) << name;
        std::vector<uint32_t> pixels(64 * 48);
        p.Render({pixels.data(), 64, 48, 64}, std::nullopt);
        p.Advance();
        p.Render({pixels.data(), 64, 48, 64}, std::nullopt);
    }
}

} // namespace
