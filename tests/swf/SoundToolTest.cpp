// swfrender --audio: the sound of the frames run, in step with them, as a
// WAV file.
#include "RenderArguments.h"
#include "WavRecorder.h"

#include "swfwriter/SoundBodies.h"
#include "swfwriter/TagBodies.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

uint32_t Read(const std::vector<uint8_t>& bytes, size_t at, int size) {
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | bytes[at + size_t(i)];
    return v;
}

// A movie at 8 frames per second whose stream block in frame k holds
// k + 1 as every sample (stereo, 22 kHz).
std::vector<uint8_t> StreamMovie(int frames) {
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 8);
    w.Tag(swf::tagcode::SoundStreamHead2,
          swfw::StreamHeadBody(swfw::SoundFormatBits(3, 2, true, true), 2756));
    for (int k = 0; k < frames; ++k) {
        std::vector<int16_t> block(2 * 2757, int16_t(k + 1));
        w.Tag(swf::tagcode::SoundStreamBlock, swfw::PcmBytes(block, true));
        w.ShowFrame();
    }
    return w.Build();
}

TEST(SoundTool, AudioOption) {
    std::string error;
    auto args = tools::ParseRenderArguments({"m.swf", "--audio", "out.wav"}, error);
    ASSERT_TRUE(args);
    EXPECT_EQ(args->Audio, "out.wav");
    EXPECT_FALSE(tools::ParseRenderArguments({"m.swf", "--audio"}, error));
    EXPECT_FALSE(tools::ParseRenderArguments({"m.swf", "--audio", ""}, error));
}

int16_t SampleAt(const std::vector<uint8_t>& wav, size_t frame, int side) {
    return int16_t(Read(wav, 44 + 4 * frame + 2 * size_t(side), 2));
}

TEST(SoundTool, WavHoldsTheFramesSoundInStep) {
    swf::Player player;
    player.Load(StreamMovie(12));
    auto path = std::filesystem::temp_directory_path() / ("kfp-sound-" + std::to_string(::getpid()) + ".wav");
    tools::WavRecorder audio(path.string(), player.FramesPerSecond());
    for (int frame = 1; frame <= 10; ++frame) {
        if (frame > 1)
            player.Advance();
        audio.AfterFrame(player);
    }
    audio.Finish();
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> wav((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(path);
    // 10 frames at 8 per second: 1.25 s; frame k's samples from k * 5512.5.
    ASSERT_EQ(wav.size(), 44u + 4 * 55125);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(Read(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Read(wav, 20, 2), 1u);     // integer PCM
    EXPECT_EQ(Read(wav, 22, 2), 2u);     // stereo
    EXPECT_EQ(Read(wav, 24, 4), 44100u); // rate
    EXPECT_EQ(Read(wav, 28, 4), 44100u * 4);
    EXPECT_EQ(Read(wav, 32, 2), 4u);
    EXPECT_EQ(Read(wav, 34, 2), 16u);
    EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
    EXPECT_EQ(Read(wav, 40, 4), 4u * 55125);
    for (int k = 0; k < 10; ++k) {
        size_t start = size_t(k * 5512.5) + 2, end = size_t((k + 1) * 5512.5) - 2;
        EXPECT_EQ(SampleAt(wav, start, 0), k + 1) << k;
        EXPECT_EQ(SampleAt(wav, end, 1), k + 1) << k;
    }
    EXPECT_THROW(tools::WavRecorder("/nonexistent-folder/x.wav", 8), std::runtime_error);
}

} // namespace
