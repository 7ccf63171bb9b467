#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace swf::sound {

// Appends the samples of SWF ADPCM data (2 to 5 bits per code, packets of
// 4096 samples each starting from a stored sample and step index), at most
// maxFrames frames, interleaved when there are two channels. Data that ends
// inside a sample ends the sound there.
void DecodeAdpcm(std::span<const uint8_t> data, int channels, size_t maxFrames, std::vector<int16_t>& out);

} // namespace swf::sound
