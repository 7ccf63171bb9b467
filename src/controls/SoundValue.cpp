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

int TSoundValue::Volume() { return Read(&TSoundValue::volume_); }
void TSoundValue::SetVolume(int volume) { Write(&TSoundValue::volume_, std::clamp(volume, 0, 255)); }
int TSoundValue::Balance() { return Read(&TSoundValue::balance_); }
void TSoundValue::SetBalance(int balance) { Write(&TSoundValue::balance_, std::clamp(balance, 0, 100)); }

int TSoundValue::Read(int TSoundValue::*field) {
    if (!HasDevice())
        return 0;
    Fetch();
    return this->*field;
}

void TSoundValue::Write(int TSoundValue::*field, int value) {
    if (!HasDevice())
        return;
    this->*field = value;
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
