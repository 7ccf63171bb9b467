#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace swf::sound {

// Steps through samples at their own rate and gives 44.1 kHz stereo
// frames, each interpolated linearly between the two source frames around
// its position. The position is 32.32 fixed point, so 5512.5, 11025 and
// 22050 Hz step exactly.
class RateConverter {
public:
    explicit RateConverter(double sourceRate);

    // Writes output frames (left, right) into `out` while the position is
    // inside the `frames` source frames of `source` (channels interleaved);
    // returns the frames written. The last source frame is held, not faded.
    size_t Convert(std::span<const int16_t> source, int channels, std::span<int32_t> out);

    // Whole source frames the position has passed.
    size_t Consumed() const { return static_cast<size_t>(position_ >> 32); }
    // The source now starts `frames` later (consumed frames were dropped, or
    // a loop went back to its start).
    void Rebase(size_t frames) { position_ -= static_cast<uint64_t>(frames) << 32; }
    // Source frames needed for `outputFrames` more output frames.
    size_t SourceFramesFor(size_t outputFrames) const;

private:
    uint64_t step_;
    uint64_t position_ = 0;
};

} // namespace swf::sound
