#include "AudioCapture.h"

#include <fstream>
#include <stdexcept>

namespace tools {
namespace {

// A movie that claims no frame rate runs at the player's fallback rate.
constexpr double FallbackFramesPerSecond = 12;

void Put(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

AudioCapture::AudioCapture(double framesPerSecond)
    : framesPerSecond_(framesPerSecond > 0 ? framesPerSecond : FallbackFramesPerSecond) {}

void AudioCapture::AfterFrame(swf::Player& player) {
    ++frames_;
    auto due = static_cast<size_t>(static_cast<double>(frames_) * swf::sound::OutputRate / framesPerSecond_);
    size_t have = samples_.size() / swf::sound::OutputChannels;
    if (due <= have)
        return;
    samples_.resize(due * swf::sound::OutputChannels);
    player.MixAudio(std::span(samples_).subspan(have * swf::sound::OutputChannels));
}

void WriteWav(const std::string& path, std::span<const int16_t> samples) {
    std::ofstream out(path, std::ios::binary);
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    const uint32_t rate = swf::sound::OutputRate, channels = swf::sound::OutputChannels;
    out.write("RIFF", 4);
    Put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    Put(out, 16, 4);
    Put(out, 1, 2); // integer PCM
    Put(out, channels, 2);
    Put(out, rate, 4);
    Put(out, rate * channels * 2, 4);
    Put(out, channels * 2, 2);
    Put(out, 16, 2);
    out.write("data", 4);
    Put(out, dataBytes, 4);
    for (int16_t s : samples)
        Put(out, static_cast<uint16_t>(s), 2);
    if (!out.flush())
        throw std::runtime_error(path + ": cannot be written");
}

} // namespace tools
