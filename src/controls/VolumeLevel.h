#pragma once

#include <cstdint>
#include <optional>

namespace controls {

// One device level as the sound card gives and takes it: the left channel
// in the low 16 bits, the right channel in the high 16 bits, each 0..65535.
struct TChannelLevels {
    uint16_t Left = 0;
    uint16_t Right = 0;
    friend bool operator==(const TChannelLevels&, const TChannelLevels&) = default;
};

constexpr uint32_t PackLevels(TChannelLevels levels) {
    return static_cast<uint32_t>(levels.Left) | static_cast<uint32_t>(levels.Right) << 16;
}
constexpr TChannelLevels UnpackLevels(uint32_t level) {
    return {static_cast<uint16_t>(level & 0xFFFF), static_cast<uint16_t>(level >> 16)};
}

// The byte-scaled volume: the sum of both channels divided by 512, so two
// full channels give 255.
int VolumeOf(TChannelLevels levels);

// The left channel's share in percent (100 = left only), rounded to the
// nearest integer with halves going to the even neighbour. Silence has no
// balance: the caller keeps the one it had.
std::optional<int> BalanceOf(TChannelLevels levels);

// The channel levels that put a byte-scaled volume at a balance in percent.
// Each channel is (volume * share div 100) * 512; away from the centre that
// can pass 16 bits, so each channel is held at full instead of wrapping.
// Volume and balance outside 0..255 and 0..100 are brought into range.
TChannelLevels LevelsFor(int volume, int balance);

} // namespace controls
