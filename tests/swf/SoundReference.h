#pragma once

#include "swf/Player.h"

#include <cstdint>
#include <span>
#include <vector>

namespace testing_swf {

// Slow, plain versions of the engine's sound routines, written straight
// from the format's description, to check the fast ones against.

// SWF ADPCM, bit by bit through the engine's checked reader.
std::vector<int16_t> ReferenceAdpcm(std::span<const uint8_t> data, int channels, size_t maxFrames);

// Linear interpolation to 44.1 kHz stereo in floating point: `frames`
// output frames from the start of `source`, the last source frame held.
std::vector<int32_t> ReferenceResample(std::span<const int16_t> source, int channels, double rate,
                                       size_t frames);

// The player's next `frames` output frames (left, right interleaved).
std::vector<int16_t> Mix(swf::Player& player, size_t frames);

} // namespace testing_swf
