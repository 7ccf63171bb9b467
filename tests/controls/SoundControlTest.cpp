#include "FakeSoundDevices.h"

#include "controls/SoundControl.h"
#include "controls/VolumeLevel.h"

#include <gtest/gtest.h>

namespace controls {

namespace {

using testing_support::BothChannels;
using testing_support::FakeSoundDeviceClass;

// A control over three fake classes; the fakes stay reachable.
struct SoundRig {
    explicit SoundRig(std::vector<FakeSoundDeviceClass::Device> waveDevices = {{true, 0}}) {
        auto midiClass = std::make_unique<FakeSoundDeviceClass>("midi", &countLog);
        auto cdClass = std::make_unique<FakeSoundDeviceClass>("cd", &countLog);
        auto waveClass = std::make_unique<FakeSoundDeviceClass>("wave", &countLog);
        waveClass->Devices = std::move(waveDevices);
        midi = midiClass.get();
        cd = cdClass.get();
        wave = waveClass.get();
        control = std::make_unique<TSoundControl>(
            TSoundDevices{std::move(midiClass), std::move(cdClass), std::move(waveClass)});
    }

    TSoundValue& Wave() { return control->Wave(); }
    uint32_t WaveLevel() const { return wave->Devices.back().Level; }
    void SetWaveLevel(uint32_t level) { wave->Devices.back().Level = level; }

    std::vector<std::string> countLog;
    FakeSoundDeviceClass* midi;
    FakeSoundDeviceClass* cd;
    FakeSoundDeviceClass* wave;
    std::unique_ptr<TSoundControl> control;
};

} // namespace

TEST(VolumeLevel, VolumeIsTheChannelSumOverFiveHundredTwelve) {
    EXPECT_EQ(VolumeOf({0xFFFF, 0xFFFF}), 255);
    EXPECT_EQ(VolumeOf({0x0100, 0x0100}), 1);
    EXPECT_EQ(VolumeOf({0x01FF, 0}), 0);
    EXPECT_EQ(VolumeOf({0xFC00, 0xFC00}), 252);
}

TEST(VolumeLevel, BalanceRoundsHalvesToEvenAndSilenceHasNone) {
    EXPECT_EQ(BalanceOf({0, 0}), std::nullopt);
    EXPECT_EQ(BalanceOf({100, 0}), 100);
    EXPECT_EQ(BalanceOf({0, 100}), 0);
    EXPECT_EQ(BalanceOf({1000, 1000}), 50);
    EXPECT_EQ(BalanceOf({1, 199}), 0);   // 0.5 goes to 0
    EXPECT_EQ(BalanceOf({3, 197}), 2);   // 1.5 goes to 2
    EXPECT_EQ(BalanceOf({5, 195}), 2);   // 2.5 goes to 2
    EXPECT_EQ(BalanceOf({100, 99}), 50); // 50.25
    EXPECT_EQ(BalanceOf({101, 99}), 50); // 50.5 goes to 50
    EXPECT_EQ(BalanceOf({103, 97}), 52); // 51.5 goes to 52
}

TEST(VolumeLevel, LevelsHoldEveryChannelWithinSixteenBits) {
    EXPECT_EQ(LevelsFor(252, 50), (TChannelLevels{0xFC00, 0xFC00}));
    EXPECT_EQ(LevelsFor(251, 50), (TChannelLevels{0xFA00, 0xFA00}));
    EXPECT_EQ(LevelsFor(200, 70), (TChannelLevels{0xFFFF, 60 * 512})); // 140 * 512 would wrap
    EXPECT_EQ(LevelsFor(255, 0), (TChannelLevels{0, 0xFFFF}));
    EXPECT_EQ(LevelsFor(300, -5), (TChannelLevels{0, 0xFFFF})); // brought into range first
    EXPECT_EQ(LevelsFor(-1, 50), (TChannelLevels{0, 0}));
    for (int volume = 0; volume <= 255; ++volume) {
        for (int balance = 0; balance <= 100; ++balance) {
            TChannelLevels levels = LevelsFor(volume, balance);
            // Never louder on a side than the share asks for.
            ASSERT_LE(levels.Left, volume * balance / 100 * 512) << volume << " " << balance;
            ASSERT_LE(levels.Right, volume * (100 - balance) / 100 * 512) << volume << " " << balance;
        }
    }
    EXPECT_EQ(UnpackLevels(PackLevels({0x1234, 0xFEDC})), (TChannelLevels{0x1234, 0xFEDC}));
    EXPECT_EQ(PackLevels({0x1234, 0xFEDC}), 0xFEDC1234u);
}

TEST(SoundValue, CentredWritesReadBackTheNearestEvenVolume) {
    SoundRig rig;
    rig.Wave().SetBalance(50);
    for (int volume = 0; volume <= 255; ++volume) {
        rig.Wave().SetVolume(volume);
        ASSERT_EQ(rig.Wave().Volume(), volume / 2 * 2) << volume;
        ASSERT_EQ(rig.Wave().Balance(), 50) << volume;
    }
    rig.Wave().SetVolume(252);
    EXPECT_EQ(rig.WaveLevel(), BothChannels(0xFC00));
    rig.Wave().SetVolume(251);
    EXPECT_EQ(rig.WaveLevel(), BothChannels(0xFA00));
    rig.Wave().SetVolume(255);
    EXPECT_EQ(rig.WaveLevel(), BothChannels(0xFE00));
}

TEST(SoundValue, ReadsTakeOverLevelsSetByOtherPrograms) {
    SoundRig rig;
    rig.SetWaveLevel(BothChannels(0xFFFF));
    EXPECT_EQ(rig.Wave().Volume(), 255);
    EXPECT_EQ(rig.Wave().Balance(), 50);
    rig.SetWaveLevel(BothChannels(0x0100));
    EXPECT_EQ(rig.Wave().Volume(), 1);
    rig.SetWaveLevel(0x8000); // left only
    EXPECT_EQ(rig.Wave().Balance(), 100);
    rig.SetWaveLevel(0x80000000); // right only
    EXPECT_EQ(rig.Wave().Balance(), 0);
    rig.SetWaveLevel(0); // silence keeps the balance it had
    EXPECT_EQ(rig.Wave().Volume(), 0);
    EXPECT_EQ(rig.Wave().Balance(), 0);

    // The next write uses the balance last seen, without asking the device.
    rig.SetWaveLevel(0x4000); // left only
    EXPECT_EQ(rig.Wave().Balance(), 100);
    rig.SetWaveLevel(BothChannels(0x2000));
    int callsBefore = rig.wave->Calls;
    rig.Wave().SetVolume(100);
    EXPECT_EQ(rig.wave->Calls, callsBefore + 1);
    EXPECT_EQ(rig.WaveLevel(), 100u * 512);
}

TEST(SoundValue, BalanceOnAFreshValueSendsSilence) {
    SoundRig rig;
    rig.SetWaveLevel(BothChannels(0x8000));
    rig.Wave().SetBalance(50);
    EXPECT_EQ(rig.WaveLevel(), 0u);
}

TEST(SoundValue, AFailedReadKeepsTheLastValues) {
    SoundRig rig;
    rig.SetWaveLevel(0x00003000 | 0x1000u << 16);
    EXPECT_EQ(rig.Wave().Volume(), 32);
    rig.wave->FailGets = true;
    rig.SetWaveLevel(0);
    EXPECT_EQ(rig.Wave().Volume(), 32);
    EXPECT_EQ(rig.Wave().Balance(), 75);
}

TEST(SoundValue, WithoutAVolumeDeviceReadsGiveZeroAndNothingIsCalled) {
    SoundRig rig({{false, BothChannels(0x8000)}});
    ASSERT_EQ(rig.Wave().DeviceId(), TSoundValue::kNoDevice);
    int callsBefore = rig.wave->Calls;
    EXPECT_EQ(rig.Wave().Volume(), 0);
    rig.Wave().SetVolume(252);
    rig.Wave().SetBalance(50);
    EXPECT_EQ(rig.Wave().Balance(), 0);
    EXPECT_EQ(rig.wave->Calls, callsBefore);
    EXPECT_EQ(rig.WaveLevel(), BothChannels(0x8000));
}

TEST(SoundControl, ChoosesTheFirstDeviceWithVolumeControlOncePerClass) {
    SoundRig rig({{false, 0}, {true, BothChannels(0x4000)}, {true, 0}});
    EXPECT_EQ(rig.countLog, (std::vector<std::string>{"cd", "wave", "midi"}));
    EXPECT_EQ(rig.Wave().DeviceId(), 1);
    EXPECT_EQ(rig.Wave().Volume(), 64);
    EXPECT_EQ(rig.control->Midi().DeviceId(), TSoundValue::kNoDevice);
    EXPECT_EQ(rig.control->Cd().DeviceId(), TSoundValue::kNoDevice);
    rig.Wave().SetVolume(10);
    EXPECT_EQ(rig.countLog.size(), 3u);
    EXPECT_EQ(rig.wave->Sent.size(), 1u);
    EXPECT_EQ(rig.midi->Sent.size(), 0u);
}

} // namespace controls
