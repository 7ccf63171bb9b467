#include "controls/SoundControl.h"

#include <stdexcept>

namespace controls {
namespace {

SoundDeviceClass& Required(const std::unique_ptr<SoundDeviceClass>& devices) {
    if (!devices)
        throw std::invalid_argument("The volume control needs all three device classes");
    return *devices;
}

} // namespace

TSoundControl::TSoundControl(TSoundDevices devices)
    : devices_(std::move(devices)), midi_(Required(devices_.Midi)), cd_(Required(devices_.Cd)),
      wave_(Required(devices_.Wave)) {
    // The order the devices are asked in: auxiliary, wave, then MIDI.
    cd_.ChooseDevice();
    wave_.ChooseDevice();
    midi_.ChooseDevice();
}

} // namespace controls
