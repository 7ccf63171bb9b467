#include "controls/VolumeLevel.h"

#include <algorithm>
#include <cmath>

namespace controls {
namespace {

constexpr int kFullChannel = 0xFFFF;
constexpr int kStepPerVolume = 512;

uint16_t ChannelFor(int volume, int share) {
    return static_cast<uint16_t>(std::min(volume * share / 100 * kStepPerVolume, kFullChannel));
}

} // namespace

int VolumeOf(TChannelLevels levels) { return (levels.Left + levels.Right) >> 9; }

std::optional<int> BalanceOf(TChannelLevels levels) {
    int sum = levels.Left + levels.Right;
    if (sum == 0)
        return std::nullopt;
    double perPercent = sum / 100.0;
    // nearbyint rounds in the default mode: to nearest, halves to even.
    return static_cast<int>(std::nearbyint(levels.Left / perPercent));
}

TChannelLevels LevelsFor(int volume, int balance) {
    volume = std::clamp(volume, 0, 255);
    balance = std::clamp(balance, 0, 100);
    return {ChannelFor(volume, balance), ChannelFor(volume, 100 - balance)};
}

} // namespace controls
