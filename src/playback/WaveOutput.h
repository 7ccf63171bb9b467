#pragma once

#include "playback/SoundOutput.h"

#include <windows.h>

#include <mmsystem.h>

#include <array>
#include <vector>

namespace playback {

// The system's wave output. Buffers are refilled when the device hands them
// back (MM_WOM_DONE to a message window of the user-interface thread), so
// the sound goes on without a thread of its own; enough of them are queued
// that a dragged window or an open menu, whose loops still deliver those
// messages, never lets the device run dry.
class WaveOutput : public SoundOutput {
public:
    WaveOutput();
    ~WaveOutput() override;
    WaveOutput(const WaveOutput&) = delete;
    WaveOutput& operator=(const WaveOutput&) = delete;

    bool Start(Source source) override;
    void Stop() override;
    bool Running() const override { return device_ != nullptr; }
    size_t Pending() const override;

private:
    static constexpr size_t BufferCount = 6;
    static constexpr size_t BufferFrames = 2048; // 46 ms each

    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    void Refill(WAVEHDR& header);
    bool Owns(const WAVEHDR* header) const;

    HWND window_ = nullptr;
    HWAVEOUT device_ = nullptr;
    Source source_;
    std::array<WAVEHDR, BufferCount> headers_{};
    std::array<std::vector<int16_t>, BufferCount> buffers_;
    uint64_t written_ = 0; // frames handed to the device since it was opened
};

} // namespace playback
