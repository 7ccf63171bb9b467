#include "IntroMovie.h"
#include "swf/Player.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<uint32_t> Draw(const swf::Player& player) {
    std::vector<uint32_t> pixels(240 * 180);
    player.Render(swf::Surface{pixels.data(), 240, 180, 240}, std::nullopt);
    return pixels;
}

TEST(IntroMovie, IsAFiveSecondLoopOurEngineReadsAndDraws) {
    auto file = genintro::BuildIntroMovie();
    swf::Player player;
    player.Load(file);
    ASSERT_TRUE(player.HasMovie()) << player.LoadError();
    EXPECT_EQ(player.TotalFrames(), 150u);
    EXPECT_DOUBLE_EQ(player.FramesPerSecond(), 30);

    auto first = Draw(player);
    // A picture, not a plain fill: many colours.
    EXPECT_GT(std::set<uint32_t>(first.begin(), first.end()).size(), 200u);

    player.Play();
    for (int i = 0; i < 40; ++i)
        player.Advance();
    EXPECT_NE(Draw(player), first); // it moves

    // After the last frame it starts over and looks as it did at first.
    for (int i = 40; i < 150; ++i)
        player.Advance();
    EXPECT_EQ(player.CurrentFrame(), 0u);
    EXPECT_EQ(Draw(player), first);
}

} // namespace
