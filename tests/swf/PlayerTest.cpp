#include "swf/Player.h"
#include "RenderHelpers.h"
#include "swfwriter/SwfWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

std::vector<uint8_t> Movie(int frames, bool background = true) {
    swfw::MovieWriter w(8, {0, 400, 0, 200}, 12);
    if (background)
        w.SetBackgroundColor(10, 20, 30);
    for (int i = 0; i < frames; ++i)
        w.ShowFrame();
    return w.Build();
}

TEST(Player, TransportMovesTheCurrentFrame) {
    swf::Player p;
    p.Load(Movie(4));
    ASSERT_TRUE(p.HasMovie());
    EXPECT_TRUE(p.IsPlaying()); // a loaded movie starts
    EXPECT_EQ(p.TotalFrames(), 4u);
    for (uint32_t expected : {1u, 2u, 3u, 0u}) {
        p.Advance();
        EXPECT_EQ(p.CurrentFrame(), expected);
    }

    p.Forward();
    EXPECT_FALSE(p.IsPlaying());
    EXPECT_EQ(p.CurrentFrame(), 1u);
    p.Advance(); // halted: stays
    EXPECT_EQ(p.CurrentFrame(), 1u);
    p.GotoFrame(99);
    EXPECT_EQ(p.CurrentFrame(), 3u);
    p.Forward(); // at the end: stays
    EXPECT_EQ(p.CurrentFrame(), 3u);
    p.Back();
    EXPECT_EQ(p.CurrentFrame(), 2u);
    p.Play();
    p.Stop();
    p.Rewind();
    EXPECT_FALSE(p.IsPlaying());
    EXPECT_EQ(p.CurrentFrame(), 0u);
    p.Back(); // at the start: stays
    EXPECT_EQ(p.CurrentFrame(), 0u);
}

TEST(Player, LoadFailuresLeaveItEmptyWithAReason) {
    swf::Player p;
    p.Load(Movie(2));
    p.Load(std::filesystem::path("/no/such/folder/clip.swf"));
    EXPECT_FALSE(p.HasMovie());
    EXPECT_EQ(p.TotalFrames(), 0u);
    EXPECT_EQ(p.LoadError(), "file not found");
    p.Play();
    EXPECT_FALSE(p.IsPlaying());

    auto dir = std::filesystem::temp_directory_path();
    p.Load(dir);
    EXPECT_EQ(p.LoadError(), "file not found");

    auto path = dir / "kfp_player_test.swf";
    std::ofstream(path, std::ios::binary) << "GIF89a nothing to see";
    p.Load(path);
    EXPECT_EQ(p.LoadError(), "not a Flash movie");
    std::filesystem::remove(path);

    auto bytes = Movie(2);
    p.Load(std::span(bytes).first(10));
    EXPECT_EQ(p.LoadError(), "damaged movie: the header is cut short");
}

TEST(Player, PaintsTheBackgroundColour) {
    uint32_t pixels[6];
    swf::Surface s{pixels, 3, 2, 3};
    swf::Player p;
    p.Render(s, std::nullopt);
    EXPECT_EQ(pixels[5], 0xffffffffu); // nothing loaded: white
    p.Load(Movie(1));
    p.Render(s, std::nullopt);
    EXPECT_EQ(pixels[0], 0xff0a141eu);
    p.Render(s, swf::Rgb{255, 0, 0});
    EXPECT_EQ(pixels[4], 0xffff0000u);
    p.Load(Movie(1, false));
    p.Render(s, std::nullopt);
    EXPECT_EQ(pixels[2], 0xffffffffu);
}

} // namespace

namespace {

// A 20x10 stage filled red, with a blue background colour.
std::vector<uint8_t> RedStage() {
    swfw::MovieWriter w(8, {0, 400, 0, 200}, 12);
    w.SetBackgroundColor(0, 0, 255);
    w.Tag(swfw::code::DefineShape3, testing_swf::RectShape(1, 0, 0, 20, 10, {255, 0, 0, 255}));
    testing_swf::PlaceAt(w, 1, 1);
    w.ShowFrame();
    return w.Build();
}

// Which rows and columns of a 40x40 view the stage covers.
std::string Coverage(swf::ScaleMode mode) {
    swf::Player p;
    p.Load(RedStage());
    p.Scale = mode;
    std::vector<uint32_t> pixels(40 * 40);
    p.Render({pixels.data(), 40, 40, 40}, std::nullopt);
    std::string out;
    for (int i = 0; i < 40; i += 4) // down the middle column, then across the middle row
        out += pixels[size_t(i) * 40 + 20] == 0xffff0000u ? 'r' : '.';
    out += '|';
    for (int i = 0; i < 40; i += 4)
        out += pixels[20 * 40 + size_t(i)] == 0xffff0000u ? 'r' : '.';
    return out;
}

TEST(Player, ScaleModesFitTheStageIntoTheView) {
    EXPECT_EQ(Coverage(swf::ScaleMode::ShowAll), "...rrrrr..|rrrrrrrrrr");  // 40x20, centred
    EXPECT_EQ(Coverage(swf::ScaleMode::NoBorder), "rrrrrrrrrr|rrrrrrrrrr"); // 80x40, cropped
    EXPECT_EQ(Coverage(swf::ScaleMode::ExactFit), "rrrrrrrrrr|rrrrrrrrrr");
    EXPECT_EQ(Coverage(swf::ScaleMode::NoScale), "....rrr...|...rrrrr.."); // 20x10, centred
}

TEST(Player, LowQualityDrawsWithoutAntialiasing) {
    swfw::MovieWriter w(8, {0, 400, 0, 400}, 12);
    w.SetBackgroundColor(255, 255, 255);
    swfw::ShapeBuilder s;
    uint32_t fill = s.SolidFill({0, 0, 0, 255});
    s.Styles(0, fill, 0);
    s.MoveTo(13, 7);
    s.LineTo(390, 101);
    s.LineTo(211, 377);
    s.LineTo(13, 7);
    w.Tag(swfw::code::DefineShape3, swfw::ShapeBody(1, 3, {0, 400, 0, 400}, s));
    testing_swf::PlaceAt(w, 1, 1);
    w.ShowFrame();
    auto movie = w.Build();
    auto grey = [](const testing_swf::Frame& f) {
        return std::count_if(f.Pixels.begin(), f.Pixels.end(),
                             [](uint32_t p) { return p != 0xff000000u && p != 0xffffffffu; });
    };
    EXPECT_EQ(grey(testing_swf::RenderMovie(movie, swf::Quality::Low)), 0);
    EXPECT_GT(grey(testing_swf::RenderMovie(movie, swf::Quality::High)), 10);
}

} // namespace

namespace {

TEST(Player, DrawsIntoAnySizeOfView) {
    swf::Player p;
    p.Load(RedStage());
    p.Render({nullptr, 0, 0, 0}, std::nullopt);
    uint32_t one = 0;
    p.Render({&one, 1, 1, 1}, std::nullopt);
    EXPECT_LE(testing_swf::Difference(one, 0xff800080u), 1); // half the pixel is stage, half border
    std::vector<uint32_t> wide(3000 * 2);
    p.Render({wide.data(), 3000, 2, 3000}, std::nullopt); // the stage is 4 pixels wide here
    EXPECT_EQ(wide[1500], 0xffff0000u);
    EXPECT_EQ(wide[10], 0xff0000ffu);
}

} // namespace
