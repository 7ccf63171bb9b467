#pragma once

#include "controls/SoundDeviceClass.h"

namespace controls {

// The MIDI-output, auxiliary and wave-output devices of the Windows
// multimedia library, for TSoundControl.
TSoundDevices SystemSoundDevices();

} // namespace controls
