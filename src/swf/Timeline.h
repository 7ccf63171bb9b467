#pragma once

#include "swf/DisplayObject.h"
#include "swf/Placement.h"
#include "swf/sound/SoundSink.h"

namespace swf {

// A running timeline, the movie's own or a sprite instance's: the frame it
// shows and the display list built by the tags of the frames so far.
// Forward steps apply each frame's tags in order. Going back works out the
// list the target frame has from the first frame on, and keeps the objects
// that are still the same placement (a sprite there keeps running); so does
// looping from the last frame to the first.
class Timeline {
public:
    // Sprites within sprites, and all the sprite instances of a movie, are
    // limited, so that a movie whose sprites place each other cannot
    // exhaust memory. Past the limits a sprite shows nothing.
    struct Limits {
        static constexpr int MaxNesting = 64;
        static constexpr size_t MaxInstances = 20000;
        size_t Instances = 0;
        sound::SoundSink* Sounds = nullptr; // where the frames' sounds go, if anywhere
    };

    // Starts on the first frame, its tags applied.
    Timeline(const TagList& frames, uint32_t frameCount, const Dictionary& dictionary, Limits& limits,
             int nesting = 0);
    ~Timeline();
    Timeline(const Timeline&) = delete;
    Timeline& operator=(const Timeline&) = delete;

    uint32_t CurrentFrame() const { return frame_; }
    uint32_t FrameCount() const { return frameCount_; }
    const DisplayList& Objects() const { return objects_; }

    // One tick: the sprites already on the list move on, then this timeline
    // shows its next frame, looping after the last.
    void Advance();
    void GotoFrame(uint32_t frame);

private:
    void Rewind(uint32_t frame);
    void EnterSounds(uint32_t frame);
    void ExecuteFrame(uint32_t frame, DisplayList& list, bool instantiate);
    void Execute(const Tag& tag, uint32_t frame, DisplayList& list, bool instantiate);
    void Place(const Placement& p, uint32_t frame, DisplayList& list, bool instantiate);
    void SetCharacter(DisplayObject& object, uint16_t id, bool instantiate);
    void Instantiate(DisplayObject& object);

    const TagList& frames_;
    uint32_t frameCount_;
    const Dictionary& dictionary_;
    Limits& limits_;
    int nesting_;
    uint32_t frame_ = 0;
    DisplayList objects_;
};

} // namespace swf
