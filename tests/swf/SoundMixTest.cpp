// The mixer's parts: rate conversion against the reference, envelopes, in
// and out points, loops, and the sum of voices.
#include "SoundReference.h"

#include "swf/sound/Envelope.h"
#include "swf/sound/EventVoice.h"
#include "swf/sound/Mixer.h"
#include "swf/sound/RateConverter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using swf::sound::PcmSound;

TEST(SoundMix, RateConversionMatchesReferenceInPieces) {
    std::mt19937 random(5);
    for (double rate : {5512.5, 8000.0, 11025.0, 22050.0, 44100.0, 48000.0}) {
        for (int channels = 1; channels <= 2; ++channels) {
            std::vector<int16_t> source(size_t(channels) * (random() % 3000 + 1));
            for (auto& s : source)
                s = int16_t(random());
            swf::sound::RateConverter converter(rate);
            std::vector<int32_t> fast;
            for (;;) {
                // Output asked for in pieces of any size keeps its place.
                std::vector<int32_t> piece(2 * (random() % 700 + 1));
                size_t made = converter.Convert(source, channels, piece);
                fast.insert(fast.end(), piece.begin(), piece.begin() + ptrdiff_t(made * 2));
                if (made * 2 < piece.size())
                    break;
            }
            auto reference = testing_swf::ReferenceResample(source, channels, rate, 1 << 20);
            ASSERT_EQ(fast.size(), reference.size()) << rate;
            for (size_t i = 0; i < fast.size(); ++i)
                ASSERT_NEAR(fast[i], reference[i], 1) << rate << " at " << i;
        }
    }
}

TEST(SoundMix, EnvelopeLevelsBetweenAndAroundPoints) {
    swf::sound::Envelope envelope({{1000, 0, 32768}, {2000, 32768, 0}, {100, 16384, 16384}});
    std::vector<int32_t> frames(2 * 3000, 10000);
    envelope.Apply(0, frames);
    EXPECT_EQ(frames[0], 5000);     // before the first point (sorted): its level
    EXPECT_EQ(frames[2 * 1000], 0); // at a point
    EXPECT_EQ(frames[2 * 1000 + 1], 10000);
    EXPECT_EQ(frames[2 * 1500], 5000); // half way
    EXPECT_EQ(frames[2 * 1500 + 1], 5000);
    EXPECT_EQ(frames[2 * 2999], 10000); // after the last point: its level
    EXPECT_EQ(frames[2 * 2999 + 1], 0);
}

std::shared_ptr<const PcmSound> Ramp(size_t frames, double rate = 44100) {
    auto sound = std::make_shared<PcmSound>();
    sound->Rate = rate;
    for (size_t i = 0; i < frames; ++i)
        sound->Samples.push_back(int16_t(i));
    return sound;
}

std::vector<int32_t> Play(swf::sound::EventVoice& voice, size_t frames, bool* going = nullptr) {
    std::vector<int32_t> mix(frames * 2, 0);
    bool more = voice.MixInto(mix);
    if (going)
        *going = more;
    return mix;
}

TEST(SoundMix, InAndOutPointsWithLoops) {
    swf::sound::SoundInfo info;
    info.InPoint = 100;
    info.OutPoint = 300;
    info.Loops = 3;
    swf::sound::EventVoice voice(1, Ramp(1000), info);
    bool going = true;
    auto mix = Play(voice, 700, &going);
    EXPECT_FALSE(going);
    for (size_t i = 0; i < 600; ++i)
        ASSERT_EQ(mix[2 * i], int32_t(100 + i % 200)) << i;
    EXPECT_EQ(mix[2 * 600], 0);
    // Points count 44.1 kHz samples whatever the sound's rate.
    swf::sound::SoundInfo quarter;
    quarter.InPoint = 400;
    swf::sound::EventVoice slow(1, Ramp(200, 11025), quarter);
    mix = Play(slow, 10);
    EXPECT_EQ(mix[0], 100);
    EXPECT_EQ(mix[2 * 2], 100); // interpolated: a half step per output frame
    EXPECT_EQ(mix[2 * 4], 101);
}

TEST(SoundMix, EnvelopeFollowsTheInPointAndLoops) {
    swf::sound::SoundInfo info;
    info.InPoint = 500;
    info.Loops = 2;
    info.Envelope = {{500, 32768, 32768}, {1500, 0, 0}};
    auto flat = std::make_shared<PcmSound>();
    flat->Samples.assign(1000, 10000);
    swf::sound::EventVoice voice(1, flat, info);
    auto mix = Play(voice, 1000);
    EXPECT_EQ(mix[0], 10000); // the envelope starts where the sound starts
    EXPECT_EQ(mix[2 * 250], 7500);
    EXPECT_EQ(mix[2 * 499], 10000 * 501 / 1000);
    EXPECT_EQ(mix[2 * 500], 5000); // the second loop carries on down
    EXPECT_LT(mix[2 * 999], 20);
}

TEST(SoundMix, EmptyRangesAndHugeLoopCountsEndOrKeepPlaying) {
    swf::sound::SoundInfo backwards;
    backwards.InPoint = 500;
    backwards.OutPoint = 100;
    swf::sound::EventVoice none(1, Ramp(1000), backwards);
    bool going = true;
    EXPECT_EQ(Play(none, 10, &going)[0], 0);
    EXPECT_FALSE(going);
    swf::sound::SoundInfo many;
    many.Loops = 65535;
    swf::sound::EventVoice looping(1, Ramp(1), many);
    Play(looping, 60000, &going);
    EXPECT_TRUE(going);
}

TEST(SoundMix, VoicesAddUpAndClip) {
    swf::sound::Mixer mixer;
    auto loud = std::make_shared<PcmSound>();
    loud->Samples.assign(100, 20000);
    mixer.Start(std::make_unique<swf::sound::EventVoice>(1, loud, swf::sound::SoundInfo{}));
    std::vector<int16_t> out(2 * 200, 1);
    mixer.Mix(std::span(out).first(20));
    EXPECT_EQ(out[0], 20000);
    mixer.Start(std::make_unique<swf::sound::EventVoice>(2, Ramp(50), swf::sound::SoundInfo{}));
    mixer.Mix(out);
    EXPECT_EQ(out[0], 20000);      // the ramp starts at 0
    EXPECT_EQ(out[2 * 7], 20007);  // both
    EXPECT_EQ(out[2 * 60], 20000); // the ramp has ended
    EXPECT_EQ(out[2 * 90], 0);     // and the loud one too
    EXPECT_TRUE(mixer.IsPlaying(1) == false && mixer.IsPlaying(2) == false);
    loud = std::make_shared<PcmSound>();
    loud->Samples.assign(100, 30000);
    mixer.Start(std::make_unique<swf::sound::EventVoice>(1, loud, swf::sound::SoundInfo{}));
    mixer.Start(std::make_unique<swf::sound::EventVoice>(1, loud, swf::sound::SoundInfo{}));
    mixer.Mix(out);
    EXPECT_EQ(out[0], 32767);
    mixer.StopEvents(1);
    mixer.Mix(out);
    EXPECT_EQ(out[0], 0);
}

TEST(SoundMix, TooManyVoicesDropTheOldest) {
    swf::sound::Mixer mixer;
    auto one = std::make_shared<PcmSound>();
    one->Samples.assign(100, 1);
    for (uint16_t id = 0; id <= swf::sound::Mixer::MaxEventVoices; ++id)
        mixer.Start(std::make_unique<swf::sound::EventVoice>(id, one, swf::sound::SoundInfo{}));
    EXPECT_FALSE(mixer.IsPlaying(0));
    EXPECT_TRUE(mixer.IsPlaying(1));
    std::vector<int16_t> out(2);
    mixer.Mix(out);
    EXPECT_EQ(out[0], int16_t(swf::sound::Mixer::MaxEventVoices));
}

} // namespace
