// Decoding stored sounds: PCM layouts, ADPCM against the reference, MP3
// made by the system's encoder.
#include "SoundReference.h"

#include "swf/Error.h"
#include "swf/sound/AdpcmDecoder.h"
#include "swf/sound/SoundDecoder.h"
#include "swf/sound/SoundLibrary.h"
#include "swfwriter/SoundBodies.h"
#include "swfwriter/TagBodies.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

using swf::sound::Codec;
using swf::sound::PcmSound;

swf::sound::SoundDefinition Definition(uint8_t format, uint32_t count, const std::vector<uint8_t>& data) {
    static std::vector<std::vector<uint8_t>> keep; // the definition points into the body
    keep.push_back(swfw::DefineSoundBody(7, format, count, data));
    return swf::sound::ParseDefineSound(keep.back());
}

TEST(SoundDecode, PcmLayouts) {
    const std::vector<int16_t> stereo = {1000, -1000, 32767, -32768, 256, -256};
    for (int codec : {0, 3}) {
        PcmSound s16 = DecodeSound(
            Definition(swfw::SoundFormatBits(codec, 3, true, true), 3, swfw::PcmBytes(stereo, true)));
        EXPECT_EQ(s16.Channels, 2);
        EXPECT_EQ(s16.Rate, 44100);
        EXPECT_EQ(s16.Samples, stereo);
    }
    // 8-bit samples are unsigned, 128 is silence.
    PcmSound s8 = DecodeSound(Definition(swfw::SoundFormatBits(3, 0, false, false), 3, {128, 255, 0}));
    EXPECT_EQ(s8.Channels, 1);
    EXPECT_EQ(s8.Rate, 5512.5);
    EXPECT_EQ(s8.Samples, (std::vector<int16_t>{0, 127 * 256, -128 * 256}));
    PcmSound s8stereo =
        DecodeSound(Definition(swfw::SoundFormatBits(3, 1, false, true), 2, {0, 255, 128, 128}));
    EXPECT_EQ(s8stereo.Rate, 11025);
    EXPECT_EQ(s8stereo.Samples, (std::vector<int16_t>{-32768, 32512, 0, 0}));
    // The sample count limits; a trailing half frame and lying counts do not
    // read past the data.
    PcmSound cut = DecodeSound(Definition(swfw::SoundFormatBits(3, 2, true, false), 2, {1, 0, 2, 0, 3, 0}));
    EXPECT_EQ(cut.Samples, (std::vector<int16_t>{1, 2}));
    PcmSound lying =
        DecodeSound(Definition(swfw::SoundFormatBits(3, 2, true, true), 0xFFFFFFFF, {1, 0, 2, 0, 3}));
    EXPECT_EQ(lying.Samples, (std::vector<int16_t>{1, 2}));
}

TEST(SoundDecode, AdpcmKnownSamples) {
    // 4-bit codes; a packet of one channel: sample 1000, index 0, then 0111
    // (up by 7 + 3 + 1 + 0 = 11) and 1111 (down by the new step 16: 2 + 16 +
    // 8 + 4 = 30).
    swfw::BitWriter w;
    w.UBits(2, 2);
    w.SBits(1000, 16);
    w.UBits(0, 6);
    w.UBits(0x7, 4);
    w.UBits(0xF, 4);
    std::vector<int16_t> out;
    swf::sound::DecodeAdpcm(w.Data(), 1, 100, out);
    EXPECT_EQ(out, (std::vector<int16_t>{1000, 1011, 981}));
}

TEST(SoundDecode, AdpcmMatchesReferenceOnRandomData) {
    std::mt19937 random(12);
    for (int round = 0; round < 200; ++round) {
        int channels = 1 + round % 2;
        std::vector<uint8_t> data(random() % 9000 + 1);
        for (auto& b : data)
            b = uint8_t(random());
        data[0] = uint8_t((data[0] & 0x3F) | ((round / 2 % 4) << 6)); // every code size
        size_t maxFrames = round % 3 == 0 ? random() % 5000 : 1 << 20;
        std::vector<int16_t> fast;
        swf::sound::DecodeAdpcm(data, channels, maxFrames, fast);
        ASSERT_EQ(fast, testing_swf::ReferenceAdpcm(data, channels, maxFrames)) << "round " << round;
    }
}

TEST(SoundDecode, AdpcmThroughDefineSound) {
    std::mt19937 random(3);
    std::vector<uint8_t> data(5000);
    for (auto& b : data)
        b = uint8_t(random());
    PcmSound s = DecodeSound(Definition(swfw::SoundFormatBits(1, 2, true, true), 5000, data));
    EXPECT_EQ(s.Rate, 22050);
    EXPECT_EQ(s.Channels, 2);
    EXPECT_EQ(s.Samples, testing_swf::ReferenceAdpcm(data, 2, 5000));
}

TEST(SoundDecode, CodecsNotPlayedAreNotedAndSilent) {
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 10);
    for (int codec : {4, 5, 6, 11})
        w.Tag(swfw::code::DefineSound,
              swfw::DefineSoundBody(uint16_t(codec), swfw::SoundFormatBits(codec, 1, true, false), 100,
                                    std::vector<uint8_t>(200, 1)));
    w.Tag(swfw::code::DefineSound, std::vector<uint8_t>{1, 0}); // damaged
    w.ShowFrame();
    auto movie = w.Build();
    swf::Player player;
    player.Load(movie);
    swf::sound::SoundLibrary library(player.CurrentMovie()->Tags());
    for (uint16_t id : {4, 5, 6, 11, 99})
        EXPECT_EQ(library.Find(id), nullptr);
    EXPECT_EQ(library.Problems().size(), 5u); // the damaged tag and the four codecs
}

// 0.3 s of a 440 Hz tone as 16-bit mono samples.
std::vector<int16_t> Tone(size_t frames = 13230) {
    std::vector<int16_t> tone(frames);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = int16_t(12000 * std::sin(2 * M_PI * 440 * double(i) / 44100));
    return tone;
}

// The tone through `lame` (CBR 128 kb/s), or nothing when it is not there.
std::vector<uint8_t> EncodeMp3(const std::vector<int16_t>& tone) {
    if (std::system("command -v lame >/dev/null 2>&1") != 0)
        return {};
    auto dir = std::filesystem::temp_directory_path() / ("kfp-sound-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto raw = swfw::PcmBytes(tone, true);
    std::ofstream(dir / "tone.raw", std::ios::binary)
        .write(reinterpret_cast<const char*>(raw.data()), std::streamsize(raw.size()));
    std::string command = "lame --quiet -r -s 44.1 --bitwidth 16 --signed --little-endian -m m -b 128 " +
                          (dir / "tone.raw").string() + " " + (dir / "tone.mp3").string();
    std::vector<uint8_t> mp3;
    if (std::system(command.c_str()) == 0) {
        std::ifstream in(dir / "tone.mp3", std::ios::binary);
        mp3.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::remove_all(dir);
    return mp3;
}

// The largest normalised correlation of the decoded left channel with the
// tone, over the encoder's possible delays.
double BestCorrelation(const PcmSound& decoded, const std::vector<int16_t>& tone) {
    double best = 0;
    for (size_t delay = 0; delay < 2500; ++delay) {
        double dot = 0, a2 = 0, b2 = 0;
        for (size_t i = 2000; i < 10000 && i + delay < decoded.Frames(); ++i) {
            double a = decoded.Samples[(i + delay) * 2], b = tone[i];
            dot += a * b, a2 += a * a, b2 += b * b;
        }
        if (a2 > 0 && b2 > 0)
            best = std::max(best, dot / std::sqrt(a2 * b2));
    }
    return best;
}

TEST(SoundDecode, Mp3MadeByLame) {
    auto tone = Tone();
    auto mp3 = EncodeMp3(tone);
    if (mp3.empty())
        GTEST_SKIP() << "lame is not installed";
    for (int16_t seek : {0, 1000}) {
        std::vector<uint8_t> data(mp3.size() + 2);
        data[0] = uint8_t(seek & 0xFF), data[1] = uint8_t(seek >> 8);
        std::copy(mp3.begin(), mp3.end(), data.begin() + 2);
        PcmSound s =
            DecodeSound(Definition(swfw::SoundFormatBits(2, 3, true, false), uint32_t(tone.size()), data));
        EXPECT_EQ(s.Rate, 44100);
        EXPECT_EQ(s.Channels, 2); // mono frames are spread over both sides
        // Cut at the sample count, after the start-up frames are dropped.
        EXPECT_LE(s.Frames(), tone.size());
        EXPECT_GE(s.Frames() + size_t(seek), tone.size());
        EXPECT_GT(BestCorrelation(s, tone), 0.95);
        for (size_t i = 0; i < s.Frames(); ++i)
            ASSERT_EQ(s.Samples[2 * i], s.Samples[2 * i + 1]);
    }
    // Garbage where the frames should be is refused, not played as noise.
    EXPECT_THROW(DecodeSound(Definition(swfw::SoundFormatBits(2, 3, true, false), 1000,
                                        std::vector<uint8_t>(3000, 0x55))),
                 swf::Error);
}

// A movie at 30 frames per second streaming the tone as MP3: each frame's
// block carries the MPEG frames that end within it (1152 samples each, so
// some frames carry none), as authoring tools lay them out.
std::vector<uint8_t> Mp3StreamMovie(const std::vector<uint8_t>& mp3, size_t movieFrames) {
    auto frames = swfw::SplitMp3Frames(mp3);
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 30);
    w.Tag(swf::tagcode::SoundStreamHead2,
          swfw::StreamHeadBody(swfw::SoundFormatBits(2, 3, true, false), 1470));
    size_t next = 0;
    for (size_t k = 0; k < movieFrames; ++k) {
        std::vector<uint8_t> block;
        size_t samples = 0;
        for (; next < frames.size() && (next + 1) * 1152 <= (k + 1) * 1470; ++next, samples += 1152)
            block.insert(block.end(), frames[next].begin(), frames[next].end());
        if (samples > 0)
            w.Tag(swf::tagcode::SoundStreamBlock, swfw::Mp3StreamBlockBody(uint16_t(samples), 0, block));
        w.ShowFrame();
    }
    return w.Build();
}

TEST(SoundDecode, Mp3StreamDecodesAcrossBlocks) {
    auto tone = Tone();
    auto mp3 = EncodeMp3(tone);
    if (mp3.empty())
        GTEST_SKIP() << "lame is not installed";
    swf::Player player;
    player.Load(Mp3StreamMovie(mp3, 12));
    PcmSound heard;
    heard.Channels = 2;
    for (int frame = 0; frame < 12; ++frame) {
        auto mix = testing_swf::Mix(player, 1470);
        heard.Samples.insert(heard.Samples.end(), mix.begin(), mix.end());
        player.Advance();
    }
    EXPECT_GT(BestCorrelation(heard, tone), 0.95);
}

} // namespace
