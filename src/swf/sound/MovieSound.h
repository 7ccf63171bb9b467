#pragma once

#include "swf/sound/Mixer.h"
#include "swf/sound/SoundLibrary.h"
#include "swf/sound/SoundSink.h"

#include <map>
#include <optional>

namespace swf::sound {

// The sound of one playing movie: what its timelines' frames start, stop
// and stream, mixed for the output.
class MovieSound : public SoundSink {
public:
    // `tags` are the movie's own (the sounds are defined there); they and
    // the sprites' tag lists must outlive this object.
    explicit MovieSound(const std::vector<Tag>& tags);

    void FrameEntered(const void* timeline, const TagList& frames, uint32_t frame) override;
    void TimelineEnded(const void* timeline) override;
    // The end of one tick of the movie: a timeline that ran no frame in it
    // has stopped, and so has its stream.
    void EndTick();

    // Sounds started and stopped by scripts (Sound.start, Sound.stop): from
    // `offset` seconds in, played `loops` times.
    void StartSound(uint16_t id, double offset, int loops);
    void StopSound(uint16_t id) { mixer_.StopEvents(id); }
    std::optional<double> DurationMs(uint16_t id) const { return library_.DurationMs(id); }

    void StopAll();
    void StopStreams();
    void Mix(std::span<int16_t> out) { mixer_.Mix(out); }

    // How far the timeline's stream sound has been mixed, in its frames
    // (see StreamVoice::Position); nothing while it has no stream playing.
    std::optional<double> StreamPosition(const void* timeline) const;
    const std::vector<std::string>& Problems() const { return library_.Problems(); }

private:
    void Start(const Tag& tag);
    void Stream(const void* timeline, const TagList& frames, uint32_t frame);
    void StartStream(const void* timeline, const TagList& frames, uint32_t frame);

    struct Track {
        uint32_t LastFrame = 0;
        bool Ran = false; // in the current tick
    };

    SoundLibrary library_;
    Mixer mixer_;
    std::map<const void*, Track> tracks_;
};

} // namespace swf::sound
