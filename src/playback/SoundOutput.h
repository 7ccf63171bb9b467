#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace playback {

// Where the player control's sound goes: a stream of 44.1 kHz 16-bit
// stereo frames (left, right interleaved) that asks for more as it plays.
// Everything happens on the user-interface thread.
class SoundOutput {
public:
    using Source = std::function<void(std::span<int16_t>)>;

    virtual ~SoundOutput() = default;
    // Starts asking `source` for sound; false when there is no device to
    // play on, and then the output stays silent.
    virtual bool Start(Source source) = 0;
    // Silences the output at once; the sound it holds is dropped.
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
    // Frames taken from the source that have not been heard yet.
    virtual size_t Pending() const = 0;
};

} // namespace playback
