#pragma once

#include "swf/sound/SoundFormat.h"

#include <span>

namespace swf::sound {

// Appends the samples of uncompressed data, at most maxFrames frames; a
// trailing partial frame is dropped. 8-bit samples are unsigned.
void DecodePcm(const SoundFormat& format, std::span<const uint8_t> data, size_t maxFrames,
               std::vector<int16_t>& out);

} // namespace swf::sound
