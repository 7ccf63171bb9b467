#pragma once

#include "controls/SoundDeviceClass.h"

namespace controls {

// The volume of one device class as a byte-scaled Volume and a Balance in
// percent. Nothing is cached for the caller: every read asks the device and
// every write sends to it at once. Without a device reads give 0 and
// writes change nothing, not even the stored values.
class TSoundValue {
public:
    static constexpr int kNoDevice = -1;

    explicit TSoundValue(SoundDeviceClass& devices) : devices_(devices) {}
    TSoundValue(const TSoundValue&) = delete;
    TSoundValue& operator=(const TSoundValue&) = delete;

    // Takes the first device that reports volume control; done once.
    void ChooseDevice();
    int DeviceId() const { return device_; }

    // 0..255.
    int Volume();
    void SetVolume(int volume);
    // 0..100: 100 = left only, 0 = right only, 50 = centred.
    int Balance();
    void SetBalance(int balance);

private:
    bool HasDevice() const { return device_ != kNoDevice; }
    int Read(int TSoundValue::*field);
    void Write(int TSoundValue::*field, int value);
    void Fetch();
    void Send();

    SoundDeviceClass& devices_;
    int device_ = kNoDevice;
    int volume_ = 0;
    int balance_ = 0;
};

} // namespace controls
