#pragma once

#include "controls/SoundDeviceClass.h"
#include "controls/SoundValue.h"

namespace controls {

// The output volume of the MIDI, auxiliary (CD) and wave devices. Each
// class gets its device once, here; the values then talk to it directly.
class TSoundControl {
public:
    explicit TSoundControl(TSoundDevices devices);
    TSoundControl(const TSoundControl&) = delete;
    TSoundControl& operator=(const TSoundControl&) = delete;

    TSoundValue& Midi() { return midi_; }
    TSoundValue& Cd() { return cd_; }
    TSoundValue& Wave() { return wave_; }

private:
    TSoundDevices devices_;
    TSoundValue midi_;
    TSoundValue cd_;
    TSoundValue wave_;
};

} // namespace controls
