#pragma once

#include "swf/Player.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace tools {

// Writes the mixed sound of the frames a movie runs to a WAV file (44.1 kHz,
// 16-bit, stereo) as they run: after each frame, the samples due by its
// end, so the sound keeps in step with the frames over any number of them.
// A WAV file holds at most 4 GiB; sound beyond that is left out.
class WavRecorder {
public:
    // Throws std::runtime_error when the file cannot be written.
    WavRecorder(const std::string& path, double framesPerSecond);

    void AfterFrame(swf::Player& player);
    // Completes the header; throws std::runtime_error when writing failed.
    void Finish();

private:
    void WriteHeader();

    std::string path_;
    std::ofstream out_;
    double framesPerSecond_;
    uint64_t frames_ = 0;
    uint64_t written_ = 0; // sample frames in the file
    std::vector<int16_t> chunk_;
};

} // namespace tools
