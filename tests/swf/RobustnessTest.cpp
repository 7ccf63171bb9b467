#include "SeedMovies.h"

#include "swf/Player.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Loads, plays and draws a movie; says whether it loaded. A movie that
// does not load must say why.
bool Exercise(const std::vector<uint8_t>& bytes) {
    swf::Player p;
    p.Load(bytes);
    if (!p.HasMovie()) {
        EXPECT_FALSE(p.LoadError().empty());
        return false;
    }
    std::vector<uint32_t> pixels(48 * 32);
    std::vector<int16_t> sound(2 * 3000);
    for (auto q : {swf::Quality::Low, swf::Quality::High}) {
        p.Quality = q;
        p.Render({pixels.data(), 48, 32, 48}, std::nullopt);
        p.MixAudio(sound);
        p.Advance();
    }
    p.Back();
    p.Render({pixels.data(), 48, 32, 48}, swf::Rgb{1, 2, 3});
    return true;
}

// Damaged copies of our own movies: flipped bytes, cut short, bytes
// repeated. Each must load or be refused with a reason, never crash.
TEST(Robustness, DamagedMoviesNeverCrash) {
    std::mt19937 rng(2024);
    int loaded = 0;
    for (const auto& [name, original] : tools::SeedMovies()) {
        for (int round = 0; round < 60; ++round) {
            std::vector<uint8_t> bytes = original;
            int flips = 1 + int(rng() % 8);
            for (int i = 0; i < flips; ++i)
                bytes[8 + rng() % (bytes.size() - 8)] ^= uint8_t(1 + rng() % 255);
            if (round % 4 == 1)
                bytes.resize(8 + rng() % (bytes.size() - 8));
            if (round % 4 == 2) {
                size_t at = 8 + rng() % (bytes.size() - 8);
                bytes.insert(bytes.begin() + std::ptrdiff_t(at), bytes.begin() + std::ptrdiff_t(at),
                             bytes.begin() + std::ptrdiff_t(std::min(bytes.size(), at + 40)));
            }
            loaded += Exercise(bytes);
        }
    }
    EXPECT_GT(loaded, 0);
}

TEST(Robustness, EveryPrefixOfAMovieIsHandled) {
    auto movie = tools::SeedMovies()[0].second;
    for (size_t n = 0; n <= movie.size(); n += 3)
        Exercise({movie.begin(), movie.begin() + std::ptrdiff_t(n)});
}

} // namespace
