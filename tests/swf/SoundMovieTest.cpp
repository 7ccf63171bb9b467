// Sound in playing movies: event sounds started and stopped by frames,
// stream sound tied to the frames that carry it, silence on stop.
#include "SoundReference.h"

#include "swfwriter/SoundBodies.h"
#include "swfwriter/TagBodies.h"

#include <gtest/gtest.h>

namespace {

using testing_swf::Mix;

constexpr size_t FrameSamples = 4410; // 44.1 kHz at the movies' 10 frames per second

swfw::MovieWriter TenFps() { return swfw::MovieWriter(8, {0, 2000, 0, 2000}, 10); }

// A 44.1 kHz 16-bit mono sound holding `value` for `frames` samples.
void DefineFlat(swfw::MovieWriter& w, uint16_t id, int16_t value, size_t frames) {
    std::vector<int16_t> samples(frames, value);
    w.Tag(swfw::code::DefineSound, swfw::DefineSoundBody(id, swfw::SoundFormatBits(3, 3, true, false),
                                                         uint32_t(frames), swfw::PcmBytes(samples, true)));
}

void Start(swfw::MovieWriter& w, uint16_t id, const swfw::SoundStart& how = {}) {
    w.Tag(swfw::code::StartSound, swfw::StartSoundBody(id, how));
}

void Load(swf::Player& player, const std::vector<uint8_t>& movie) {
    player.Load(movie);
    EXPECT_TRUE(player.HasMovie());
}

swfw::SoundStart Stopping() {
    swfw::SoundStart how;
    how.Stop = true;
    return how;
}

swfw::SoundStart NoMultiple() {
    swfw::SoundStart how;
    how.NoMultiple = true;
    return how;
}

TEST(SoundMovie, FramesStartAndStopEventSounds) {
    auto w = TenFps();
    DefineFlat(w, 1, 1000, 100000);
    DefineFlat(w, 2, 300, 2000);
    Start(w, 1);
    w.ShowFrame();
    Start(w, 2);
    Start(w, 2, NoMultiple()); // already playing: not again
    w.ShowFrame();
    Start(w, 1, Stopping());
    w.ShowFrame();
    swf::Player player;
    Load(player, w.Build());
    auto frame0 = Mix(player, FrameSamples);
    EXPECT_EQ(frame0[0], 1000);
    EXPECT_EQ(frame0.back(), 1000);
    player.Advance();
    auto frame1 = Mix(player, FrameSamples);
    EXPECT_EQ(frame1[0], 1300); // the two sounds mixed
    EXPECT_EQ(frame1[2 * 1999 + 1], 1300);
    EXPECT_EQ(frame1[2 * 2000], 1000); // the short one is over
    player.Advance();
    EXPECT_EQ(Mix(player, 10)[0], 0);
}

TEST(SoundMovie, SilentOnStopUnloadAndAnotherMovie) {
    auto w = TenFps();
    DefineFlat(w, 1, 1000, 100000);
    Start(w, 1);
    w.ShowFrame();
    w.ShowFrame();
    auto movie = w.Build();
    swf::Player player;
    Load(player, movie);
    EXPECT_EQ(Mix(player, 10)[0], 1000);
    player.StopPlay();
    EXPECT_EQ(Mix(player, 10), std::vector<int16_t>(20, 0));
    player.Play();
    player.Advance();
    player.Advance(); // loops: frame 0 starts the sound again
    EXPECT_EQ(Mix(player, 10)[0], 1000);
    player.Stop();
    EXPECT_EQ(Mix(player, 10)[0], 0);
    player.Load(movie);
    player.Load(std::vector<uint8_t>{1, 2, 3});
    EXPECT_EQ(Mix(player, 10), std::vector<int16_t>(20, 0));
    swf::Player empty;
    EXPECT_EQ(Mix(empty, 10), std::vector<int16_t>(20, 0));
}

// Frames 0-4 carry 16-bit PCM stream blocks of one movie frame each, frame
// k's block holding 100 * (k + 1); frames 5-7 carry none.
std::vector<uint8_t> StreamMovie(swfw::MovieWriter& w, int blocks = 5, int frames = 8) {
    w.Tag(swf::tagcode::SoundStreamHead2,
          swfw::StreamHeadBody(swfw::SoundFormatBits(3, 3, true, false), uint16_t(FrameSamples)));
    for (int k = 0; k < frames; ++k) {
        if (k < blocks) {
            std::vector<int16_t> block(FrameSamples, int16_t(100 * (k + 1)));
            w.Tag(swf::tagcode::SoundStreamBlock, swfw::PcmBytes(block, true));
        }
        w.ShowFrame();
    }
    return w.Build();
}

TEST(SoundMovie, StreamPlaysInStepWithItsFrames) {
    auto w = TenFps();
    swf::Player player;
    Load(player, StreamMovie(w));
    for (int k = 0; k < 5; ++k) {
        ASSERT_TRUE(player.StreamPosition());
        EXPECT_DOUBLE_EQ(*player.StreamPosition(), k);
        auto half = Mix(player, FrameSamples / 2);
        EXPECT_DOUBLE_EQ(*player.StreamPosition(), k + 0.5);
        auto rest = Mix(player, FrameSamples / 2);
        EXPECT_EQ(half.front(), 100 * (k + 1)) << k;
        EXPECT_EQ(rest.back(), 100 * (k + 1)) << k;
        player.Advance();
    }
    // The blocks have ended: silence, and no stream for the clock to follow.
    EXPECT_EQ(Mix(player, FrameSamples), std::vector<int16_t>(2 * FrameSamples, 0));
    EXPECT_FALSE(player.StreamPosition());
}

TEST(SoundMovie, StreamReadsAheadOfTheFramesAndStopsWithThem) {
    auto w = TenFps();
    swf::Player player;
    Load(player, StreamMovie(w));
    // An output that asks for more than a frame at once gets the next
    // frames' blocks, not silence.
    auto ahead = Mix(player, 3 * FrameSamples);
    EXPECT_EQ(ahead[2 * FrameSamples], 200);
    EXPECT_EQ(ahead[2 * 2 * FrameSamples], 300);
    EXPECT_DOUBLE_EQ(*player.StreamPosition(), 3);
    player.Advance(); // frame 1: already mixed, nothing restarts
    EXPECT_EQ(Mix(player, 1)[0], 400);
    player.StopPlay();
    EXPECT_EQ(Mix(player, 10)[0], 0);
    EXPECT_FALSE(player.StreamPosition());
    // Going to a frame while halted shows it without sound; playing on
    // starts the stream at the frame that carries the next block.
    player.GotoFrame(3);
    EXPECT_EQ(Mix(player, 10)[0], 0);
    player.Play();
    player.Advance();
    EXPECT_EQ(Mix(player, 10)[0], 500);
}

TEST(SoundMovie, StreamStartsAgainWhenTheMovieLoops) {
    auto w = TenFps();
    swf::Player player;
    Load(player, StreamMovie(w, 3, 3));
    EXPECT_EQ(Mix(player, 10)[0], 100);
    player.Advance();
    player.Advance();
    player.Advance(); // back to frame 0
    EXPECT_EQ(player.CurrentFrame(), 0u);
    EXPECT_EQ(Mix(player, 10)[0], 100);
}

TEST(SoundMovie, SpriteStreamEndsWithTheSprite) {
    auto w = TenFps();
    swfw::MovieWriter sprite(8, {}, 10);
    StreamMovie(sprite, 20, 20);
    w.Tag(swfw::code::DefineSprite, swfw::SpriteBody(5, sprite));
    swfw::Place place;
    place.CharacterId = 5;
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(place));
    w.ShowFrame();
    w.ShowFrame();
    w.Tag(swfw::code::RemoveObject2, swfw::RemoveObject2Body(1));
    w.ShowFrame();
    w.ShowFrame();
    swf::Player player;
    Load(player, w.Build());
    EXPECT_EQ(Mix(player, FrameSamples).back(), 100);
    EXPECT_FALSE(player.StreamPosition()); // not the movie's own stream
    player.Advance();
    EXPECT_EQ(Mix(player, FrameSamples).back(), 200);
    player.Advance(); // the sprite is removed
    EXPECT_EQ(Mix(player, FrameSamples), std::vector<int16_t>(2 * FrameSamples, 0));
}

TEST(SoundMovie, DamagedSoundTagsPlayNothingAndHarmNothing) {
    auto w = TenFps();
    DefineFlat(w, 1, 1000, 10);
    w.Tag(swfw::code::StartSound, std::vector<uint8_t>{1});                  // cut short
    w.Tag(swfw::code::StartSound, std::vector<uint8_t>{9, 0, 0});            // no such sound
    w.Tag(swfw::code::StartSound, std::vector<uint8_t>{1, 0, 0x08, 200, 1}); // envelope cut short
    w.Tag(swf::tagcode::SoundStreamBlock, std::vector<uint8_t>{1, 2, 3});    // no head
    w.ShowFrame();
    w.Tag(swf::tagcode::SoundStreamHead2, std::vector<uint8_t>{0x2E}); // cut short
    w.Tag(swf::tagcode::SoundStreamBlock, std::vector<uint8_t>{1});
    w.ShowFrame();
    w.Tag(swf::tagcode::SoundStreamHead2,
          swfw::StreamHeadBody(swfw::SoundFormatBits(2, 3, true, true), 1000));
    w.Tag(swf::tagcode::SoundStreamBlock, std::vector<uint8_t>{1, 0, 0, 0, 0xFF, 0xFB, 0x90}); // MP3 noise
    w.ShowFrame();
    w.Tag(swf::tagcode::SoundStreamHead2,
          swfw::StreamHeadBody(swfw::SoundFormatBits(1, 3, true, true), 1000));
    w.Tag(swf::tagcode::SoundStreamBlock, std::vector<uint8_t>{0xC0}); // ADPCM, no packet
    w.ShowFrame();
    swf::Player player;
    Load(player, w.Build());
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(Mix(player, 1000), std::vector<int16_t>(2000, 0));
        player.Advance();
    }
}

} // namespace
