// The player control feeds the movie's mix to its sound output while the
// movie plays, silences it on every way of halting, and lets a stream sound
// drive its frames.
#include "MovieFile.h"
#include "TestWindows.h"

#include "playback/ShockwaveFlash.h"
#include "playback/WaveOutput.h"
#include "swfwriter/SoundBodies.h"
#include "swfwriter/TagBodies.h"

#include <gtest/gtest.h>

namespace {

// Plays nowhere: the test asks for the sound a device would.
class FakeOutput : public playback::SoundOutput {
public:
    struct State {
        bool Running = false;
        int Starts = 0, Stops = 0;
        size_t Pending = 0;
        Source From;
    };
    explicit FakeOutput(State& state) : state_(state) {}

    bool Start(Source source) override {
        state_.From = std::move(source);
        state_.Running = true;
        ++state_.Starts;
        return true;
    }
    void Stop() override {
        state_.Stops += state_.Running ? 1 : 0;
        state_.Running = false;
    }
    bool Running() const override { return state_.Running; }
    size_t Pending() const override { return state_.Pending; }

private:
    State& state_;
};

// What the device would get next: `frames` frames, or nothing when stopped.
std::vector<int16_t> Pull(FakeOutput::State& state, size_t frames) {
    if (!state.Running)
        return {};
    std::vector<int16_t> out(frames * 2);
    state.From(out);
    return out;
}

using testing_support::MovieFile;

// 10 frames per second; frame 0 starts a long sound of 16-bit samples 1000.
std::vector<uint8_t> EventSoundMovie() {
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 10);
    std::vector<int16_t> samples(441000, 1000);
    w.Tag(swfw::code::DefineSound, swfw::DefineSoundBody(1, swfw::SoundFormatBits(3, 3, true, false), 441000,
                                                         swfw::PcmBytes(samples, true)));
    w.Tag(swf::tagcode::StartSound, swfw::StartSoundBody(1, {}));
    for (int i = 0; i < 50; ++i)
        w.ShowFrame();
    return w.Build();
}

// 10 frames per second, a stream block of one frame's sound in each of 40.
std::vector<uint8_t> StreamMovie() {
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 10);
    w.Tag(swf::tagcode::SoundStreamHead2,
          swfw::StreamHeadBody(swfw::SoundFormatBits(3, 3, true, false), 4410));
    for (int k = 0; k < 40; ++k) {
        std::vector<int16_t> block(4410, int16_t(k + 1));
        w.Tag(swf::tagcode::SoundStreamBlock, swfw::PcmBytes(block, true));
        w.ShowFrame();
    }
    return w.Build();
}

struct ControlWithFakeOutput {
    FakeOutput::State Sound;
    playback::TShockwaveFlash Flash;
    ControlWithFakeOutput() { Flash.SetSoundOutput(std::make_unique<FakeOutput>(Sound)); }
};

TEST(MovieSound, ThePlayingMovieFeedsTheOutputAndEveryHaltSilencesIt) {
    MovieFile movie(EventSoundMovie());
    ControlWithFakeOutput c;
    EXPECT_FALSE(c.Sound.Running); // no movie, no sound
    c.Flash.SetMovie(movie.Path());
    ASSERT_TRUE(c.Sound.Running);
    auto mix = Pull(c.Sound, 1000);
    EXPECT_EQ(mix.front(), 1000);
    EXPECT_EQ(mix.back(), 1000);

    c.Flash.Stop();
    EXPECT_FALSE(c.Sound.Running);
    c.Flash.Rewind();
    c.Flash.Play();
    ASSERT_TRUE(c.Sound.Running);
    EXPECT_EQ(Pull(c.Sound, 10)[0], 0); // the stopped sound does not come back
    c.Flash.StopPlay();
    EXPECT_FALSE(c.Sound.Running);
    c.Flash.Play();
    c.Flash.Back();
    EXPECT_FALSE(c.Sound.Running);

    // Another movie: the output starts over with that movie's sound.
    c.Flash.Play();
    int stops = c.Sound.Stops;
    c.Flash.SetMovie(movie.Path());
    EXPECT_EQ(c.Sound.Stops, stops + 1);
    ASSERT_TRUE(c.Sound.Running);
    EXPECT_EQ(Pull(c.Sound, 10)[0], 1000);
    c.Flash.SetMovie(L" ");
    EXPECT_FALSE(c.Sound.Running);
}

TEST(MovieSound, FramesFollowTheStreamHeard) {
    MovieFile movie(StreamMovie());
    ControlWithFakeOutput c;
    c.Flash.SetMovie(movie.Path());
    ASSERT_TRUE(c.Sound.Running);
    // The device takes three frames' sound and has played all but one of
    // them: the movie shows the third frame (2) whatever the clock says.
    auto mix = Pull(c.Sound, 3 * 4410);
    EXPECT_EQ(mix[2 * 4410], 2);
    c.Sound.Pending = 4410;
    testing_support::PumpMessagesFor(400);
    EXPECT_EQ(c.Flash.CurrentFrame(), 2);
    c.Sound.Pending = 0;
    testing_support::PumpMessagesFor(200);
    EXPECT_EQ(c.Flash.CurrentFrame(), 3);
    c.Flash.Stop();
    EXPECT_FALSE(c.Sound.Running);
}

TEST(MovieSound, WithoutAWaveDeviceTheMoviePlaysSilently) {
    MovieFile movie(StreamMovie());
    playback::TShockwaveFlash flash; // the system's wave output
    flash.SetMovie(movie.Path());
    playback::WaveOutput probe;
    if (probe.Start([](std::span<int16_t> out) { std::fill(out.begin(), out.end(), int16_t{0}); }))
        GTEST_SKIP() << "this machine has a wave device";
    testing_support::PumpMessagesFor(350);
    EXPECT_GE(flash.CurrentFrame(), 2); // the clock drives the frames
    EXPECT_TRUE(testing_support::RecordedErrors().empty());
}

} // namespace
