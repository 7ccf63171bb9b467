#include "swf/sound/AdpcmDecoder.h"

#include "swf/ByteReader.h"
#include "swf/sound/AdpcmTables.h"

#include <algorithm>
#include <array>

namespace swf::sound {
namespace {

struct ChannelState {
    int Sample = 0;
    int Index = 0;
};

int16_t Step(ChannelState& s, uint32_t code, unsigned bits) {
    const uint32_t sign = 1u << (bits - 1);
    int step = AdpcmStepSizes[static_cast<size_t>(s.Index)];
    int diff = step >> (bits - 1);
    for (uint32_t bit = sign >> 1, shift = 0; bit; bit >>= 1, ++shift)
        if (code & bit)
            diff += step >> shift;
    s.Sample = std::clamp(code & sign ? s.Sample - diff : s.Sample + diff, -32768, 32767);
    s.Index = std::clamp(s.Index + AdpcmIndexShifts[bits - 2][code & (sign - 1)], 0, 88);
    return static_cast<int16_t>(s.Sample);
}

} // namespace

void DecodeAdpcm(std::span<const uint8_t> data, int channels, size_t maxFrames, std::vector<int16_t>& out) {
    // The packets are read to the last whole frame, so the reader never
    // runs past the end; the count of bits left says where that is.
    ByteReader in(data);
    size_t bitsLeft = data.size() * 8;
    auto take = [&](unsigned count) {
        bitsLeft -= count;
        return in.UBits(count);
    };
    if (bitsLeft < 2 || channels < 1 || channels > 2)
        return;
    const unsigned bits = take(2) + 2;
    const size_t c = static_cast<size_t>(channels);
    std::array<ChannelState, 2> state;
    for (size_t frame = 0; frame < maxFrames; ++frame) {
        bool packetStart = frame % AdpcmPacketSamples == 0;
        if (bitsLeft < (packetStart ? 22 : bits) * c)
            return;
        for (size_t ch = 0; ch < c; ++ch) {
            if (packetStart) {
                state[ch].Sample = static_cast<int16_t>(take(16));
                state[ch].Index = static_cast<int>(take(6));
                out.push_back(static_cast<int16_t>(state[ch].Sample));
            } else {
                out.push_back(Step(state[ch], take(bits), bits));
            }
        }
    }
}

} // namespace swf::sound
