#include "controls/SoundValue.h"

#include "controls/VolumeLevel.h"

#include <algorithm>

namespace controls {

void TSoundValue::ChooseDevice() {
    int count = devices_.Count();
    for (int device = 0; device < count; ++device) {
        if (devices_.SupportsVolume(device)) {
            device_ = device;
            return;
        }
    }
}

int TSoundValue::Volume() {
    if (!HasDevice())
        return 0;
    Fetch();
    return volume_;
}

void TSoundValue::SetVolume(int volume) {
    if (!HasDevice())
        return;
    volume_ = std::clamp(volume, 0, 255);
    Send();
}

int TSoundValue::Balance() {
    if (!HasDevice())
        return 0;
    Fetch();
    return balance_;
}

void TSoundValue::SetBalance(int balance) {
    if (!HasDevice())
        return;
    balance_ = std::clamp(balance, 0, 100);
    Send();
}

// A device that does not answer leaves the last values seen in place.
void TSoundValue::Fetch() {
    uint32_t level = 0;
    if (!devices_.GetLevel(device_, level))
        return;
    TChannelLevels levels = UnpackLevels(level);
    volume_ = VolumeOf(levels);
    balance_ = BalanceOf(levels).value_or(balance_);
}

// Sends what the other field holds now, without asking the device first.
void TSoundValue::Send() { devices_.SetLevel(device_, PackLevels(LevelsFor(volume_, balance_))); }

} // namespace controls
