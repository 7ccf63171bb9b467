#include "controls/SoundControl.h"
#include "controls/WinmmSoundDevices.h"

#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

namespace controls {

namespace {

// Puts the wave-output level back as it was before the test.
class WaveLevelGuard {
public:
    WaveLevelGuard() { saved_ = waveOutGetVolume(nullptr, &level_) == MMSYSERR_NOERROR; }
    ~WaveLevelGuard() {
        if (saved_)
            waveOutSetVolume(nullptr, level_);
    }
    WaveLevelGuard(const WaveLevelGuard&) = delete;
    WaveLevelGuard& operator=(const WaveLevelGuard&) = delete;

private:
    DWORD level_ = 0;
    bool saved_ = false;
};

} // namespace

// The machine may or may not have a wave device with a volume control (a
// virtual display under Wine often has none): each case checks the path
// it finds.
TEST(WinmmVolume, TheWaveValueDrivesTheSystemsWaveOutput) {
    WaveLevelGuard guard;
    TSoundControl control(SystemSoundDevices());
    TSoundValue& wave = control.Wave();
    if (wave.DeviceId() == TSoundValue::kNoDevice) {
        EXPECT_EQ(wave.Volume(), 0);
        wave.SetBalance(50);
        wave.SetVolume(252);
        EXPECT_EQ(wave.Volume(), 0);
        EXPECT_EQ(wave.Balance(), 0);
        return;
    }
    wave.SetBalance(50);
    wave.SetVolume(252);
    DWORD level = 0;
    ASSERT_EQ(waveOutGetVolume(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(wave.DeviceId())), &level),
              MMSYSERR_NOERROR);
    EXPECT_EQ(level, 0xFC00FC00u);
    EXPECT_EQ(wave.Volume(), 252);
    EXPECT_EQ(wave.Balance(), 50);
    wave.SetVolume(251);
    EXPECT_EQ(wave.Volume(), 250);
}

} // namespace controls
