#pragma once

#include "controls/SoundDeviceClass.h"

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// A class of audio devices in memory: each device has a volume bit and a
// level. Calls are counted, and the calls that ask for the device count are
// written to a log shared between classes, to see the order they are asked in.
class FakeSoundDeviceClass : public controls::SoundDeviceClass {
public:
    struct Device {
        bool HasVolume = true;
        uint32_t Level = 0;
    };

    FakeSoundDeviceClass(std::string name, std::vector<std::string>* countLog = nullptr)
        : name_(std::move(name)), countLog_(countLog) {}

    std::vector<Device> Devices;
    bool FailGets = false;
    int Calls = 0;
    std::vector<uint32_t> Sent;

    int Count() override {
        ++Calls;
        if (countLog_)
            countLog_->push_back(name_);
        return static_cast<int>(Devices.size());
    }
    bool SupportsVolume(int device) override {
        ++Calls;
        return Devices.at(device).HasVolume;
    }
    bool GetLevel(int device, uint32_t& level) override {
        ++Calls;
        if (FailGets)
            return false;
        level = Devices.at(device).Level;
        return true;
    }
    void SetLevel(int device, uint32_t level) override {
        ++Calls;
        Sent.push_back(level);
        Devices.at(device).Level = level;
    }

private:
    std::string name_;
    std::vector<std::string>* countLog_;
};

// Levels with equal channels, as the tests write them most.
constexpr uint32_t BothChannels(uint16_t level) { return static_cast<uint32_t>(level) << 16 | level; }

} // namespace testing_support
