#include "swf/sound/PcmDecoder.h"

#include <algorithm>

namespace swf::sound {

void DecodePcm(const SoundFormat& format, std::span<const uint8_t> data, size_t maxFrames,
               std::vector<int16_t>& out) {
    size_t bytesPerSample = format.SixteenBit ? 2 : 1;
    size_t frameBytes = bytesPerSample * static_cast<size_t>(format.Channels());
    size_t frames = std::min(data.size() / frameBytes, maxFrames);
    size_t count = frames * static_cast<size_t>(format.Channels());
    out.reserve(out.size() + count);
    for (size_t i = 0; i < count; ++i) {
        if (format.SixteenBit)
            out.push_back(static_cast<int16_t>(data[2 * i] | (data[2 * i + 1] << 8)));
        else
            out.push_back(static_cast<int16_t>((data[i] - 128) * 256));
    }
}

} // namespace swf::sound
