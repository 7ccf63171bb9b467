#pragma once

#include "swf/Player.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tools {

// The mixed sound of the frames a movie runs: after each frame, the samples
// due by its end (44.1 kHz stereo), so the sound keeps in step with the
// frames over any number of them.
class AudioCapture {
public:
    explicit AudioCapture(double framesPerSecond);

    void AfterFrame(swf::Player& player);
    const std::vector<int16_t>& Samples() const { return samples_; }

private:
    double framesPerSecond_;
    uint64_t frames_ = 0;
    std::vector<int16_t> samples_;
};

// A 16-bit stereo 44.1 kHz WAV file; throws std::runtime_error when it
// cannot be written.
void WriteWav(const std::string& path, std::span<const int16_t> samples);

} // namespace tools
