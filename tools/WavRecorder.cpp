#include "WavRecorder.h"

#include <algorithm>
#include <stdexcept>

namespace tools {
namespace {

// A movie that claims no frame rate runs at the player's fallback rate.
constexpr double FallbackFramesPerSecond = 12;
constexpr uint32_t Rate = swf::sound::OutputRate, Channels = swf::sound::OutputChannels;
constexpr uint32_t BytesPerFrame = Channels * 2;
constexpr uint64_t MaxFrames = (uint64_t{0xFFFFFFFF} - 36) / BytesPerFrame;

void Put(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

WavRecorder::WavRecorder(const std::string& path, double framesPerSecond)
    : path_(path), out_(path, std::ios::binary),
      framesPerSecond_(framesPerSecond > 0 ? framesPerSecond : FallbackFramesPerSecond) {
    WriteHeader();
    if (!out_)
        throw std::runtime_error(path_ + ": cannot be written");
}

void WavRecorder::WriteHeader() {
    const auto dataBytes = static_cast<uint32_t>(written_ * BytesPerFrame);
    out_.write("RIFF", 4);
    Put(out_, 36 + dataBytes, 4);
    out_.write("WAVEfmt ", 8);
    Put(out_, 16, 4);
    Put(out_, 1, 2); // integer PCM
    Put(out_, Channels, 2);
    Put(out_, Rate, 4);
    Put(out_, Rate * BytesPerFrame, 4);
    Put(out_, BytesPerFrame, 2);
    Put(out_, 16, 2);
    out_.write("data", 4);
    Put(out_, dataBytes, 4);
}

void WavRecorder::AfterFrame(swf::Player& player) {
    ++frames_;
    auto due =
        std::min(static_cast<uint64_t>(static_cast<double>(frames_) * Rate / framesPerSecond_), MaxFrames);
    if (due <= written_)
        return;
    chunk_.resize((due - written_) * Channels);
    player.MixAudio(chunk_);
    for (int16_t s : chunk_)
        Put(out_, static_cast<uint16_t>(s), 2);
    written_ = due;
}

void WavRecorder::Finish() {
    out_.seekp(0);
    WriteHeader();
    if (!out_.flush())
        throw std::runtime_error(path_ + ": cannot be written");
}

} // namespace tools
