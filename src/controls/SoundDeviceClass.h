#pragma once

#include <cstdint>
#include <memory>

namespace controls {

// The four operations the volume control needs of one class of audio
// device (wave output, MIDI output, auxiliary). Devices are numbered from
// 0; a level packs both channels (see VolumeLevel.h).
class SoundDeviceClass {
public:
    virtual ~SoundDeviceClass() = default;

    virtual int Count() = 0;
    virtual bool SupportsVolume(int device) = 0;
    // False when the device did not answer; level is then untouched.
    virtual bool GetLevel(int device, uint32_t& level) = 0;
    virtual void SetLevel(int device, uint32_t level) = 0;
};

// The three classes the volume control presents, handed over whole.
struct TSoundDevices {
    std::unique_ptr<SoundDeviceClass> Midi;
    std::unique_ptr<SoundDeviceClass> Cd;
    std::unique_ptr<SoundDeviceClass> Wave;
};

} // namespace controls
