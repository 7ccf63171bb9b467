#pragma once

#include "swf/sound/EventVoice.h"
#include "swf/sound/StreamVoice.h"

#include <map>
#include <memory>
#include <span>
#include <vector>

namespace swf::sound {

// Adds up the playing voices into 44.1 kHz 16-bit stereo, clipped: event
// sounds by the order they started, and one stream per timeline.
class Mixer {
public:
    // More event sounds than this at once: the oldest one stops.
    static constexpr size_t MaxEventVoices = 64;

    void Start(std::unique_ptr<EventVoice> voice);
    void StopEvents(uint16_t id);
    bool IsPlaying(uint16_t id) const;

    void SetStream(const void* timeline, std::unique_ptr<StreamVoice> voice);
    void StopStream(const void* timeline);
    const StreamVoice* Stream(const void* timeline) const;
    void StopStreams();

    void StopAll();
    // Fills `out` (left, right interleaved) with the next frames.
    void Mix(std::span<int16_t> out);

private:
    std::vector<std::unique_ptr<EventVoice>> events_;
    std::map<const void*, std::unique_ptr<StreamVoice>> streams_;
    std::vector<int32_t> sum_;
};

} // namespace swf::sound
