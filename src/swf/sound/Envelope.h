#pragma once

#include "swf/sound/SoundTags.h"

#include <span>
#include <vector>

namespace swf::sound {

// The volume of each side over a sound's time, from its envelope points:
// linear between points, the first point's levels before it and the last
// one's after it. Without points the sound plays at full volume.
class Envelope {
public:
    explicit Envelope(std::vector<EnvelopePoint> points);

    // Scales stereo frames in place, the first at `position44` (44.1 kHz
    // samples into the sound) and each next one a sample later.
    void Apply(uint64_t position44, std::span<int32_t> frames);

private:
    // The levels (32768 = full) at `position44`.
    std::pair<int64_t, int64_t> Levels(uint64_t position44);

    std::vector<EnvelopePoint> points_;
    size_t next_ = 0; // the first point after the last position asked for
};

} // namespace swf::sound
