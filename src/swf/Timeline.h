#pragma once

#include "swf/DisplayObject.h"
#include "swf/Placement.h"

namespace swf {

// A running timeline, the movie's own or a sprite instance's: the frame it
// shows and the display list built by the tags of the frames so far.
// Forward steps apply each frame's tags in order; going back rebuilds the
// list from the first frame.
class Timeline {
public:
    // Sprites within sprites, and all the sprite instances of a movie, are
    // limited, so that a movie whose sprites place each other cannot
    // exhaust memory. Past the limits a sprite shows nothing.
    struct Limits {
        static constexpr int MaxNesting = 64;
        static constexpr size_t MaxInstances = 20000;
        size_t Instances = 0;
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
    void Restart();
    void ExecuteFrame(uint32_t frame);
    void Execute(const Tag& tag);
    void Place(const Placement& p);
    void SetCharacter(DisplayObject& object, uint16_t id);

    const TagList& frames_;
    uint32_t frameCount_;
    const Dictionary& dictionary_;
    Limits& limits_;
    int nesting_;
    uint32_t frame_ = 0;
    DisplayList objects_;
};

} // namespace swf
