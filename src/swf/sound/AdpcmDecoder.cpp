#include "swf/sound/AdpcmDecoder.h"

#include "swf/sound/AdpcmTables.h"

#include <algorithm>
#include <array>

namespace swf::sound {
namespace {

// Reads big-endian bit fields from a byte span, 32 bits at a time.
class BitSource {
public:
    explicit BitSource(std::span<const uint8_t> data) : data_(data) {}

    size_t BitsLeft() const { return (data_.size() - pos_) * 8 + count_; }

    uint32_t Take(unsigned bits) {
        while (count_ < bits) {
            buffer_ = (buffer_ << 8) | data_[pos_++];
            count_ += 8;
        }
        count_ -= bits;
        return static_cast<uint32_t>(buffer_ >> count_) & ((1u << bits) - 1);
    }

private:
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    uint64_t buffer_ = 0;
    unsigned count_ = 0;
};

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
    BitSource in(data);
    if (in.BitsLeft() < 2 || channels < 1 || channels > 2)
        return;
    const unsigned bits = in.Take(2) + 2;
    const size_t c = static_cast<size_t>(channels);
    std::array<ChannelState, 2> state;
    for (size_t frame = 0; frame < maxFrames; ++frame) {
        bool packetStart = frame % AdpcmPacketSamples == 0;
        if (in.BitsLeft() < (packetStart ? 22 : bits) * c)
            return;
        for (size_t ch = 0; ch < c; ++ch) {
            if (packetStart) {
                state[ch].Sample = static_cast<int16_t>(in.Take(16));
                state[ch].Index = static_cast<int>(in.Take(6));
                out.push_back(static_cast<int16_t>(state[ch].Sample));
            } else {
                out.push_back(Step(state[ch], in.Take(bits), bits));
            }
        }
    }
}

} // namespace swf::sound
