#pragma once

#include "swf/TagList.h"

#include <cstdint>

namespace swf::sound {

// Where timelines report the frames they run, so that the sounds those
// frames start, stop or stream are played. `timeline` only tells the
// timelines apart; it is never dereferenced.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void FrameEntered(const void* timeline, const TagList& frames, uint32_t frame) = 0;
    virtual void TimelineEnded(const void* timeline) = 0;
};

} // namespace swf::sound
