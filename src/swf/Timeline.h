#pragma once

#include "swf/AssetImports.h"
#include "swf/DisplayObject.h"
#include "swf/Placement.h"
#include "swf/sound/SoundSink.h"

#include <memory>
#include <optional>
#include <span>
#include <string>

namespace swf {

class Drawing;
class Timeline;

// What a script engine hears from the timelines: the action blocks a frame
// brings (frame actions after the frame's display-list tags, init actions
// once per sprite before them) and timelines going away.
class TimelineEvents {
public:
    virtual ~TimelineEvents() = default;
    virtual void FrameActions(Timeline& timeline, std::span<const uint8_t> actions) = 0;
    virtual void InitActions(Timeline& timeline, uint16_t spriteId, std::span<const uint8_t> actions) = 0;
    virtual void Removed(Timeline& timeline) = 0;
    // A clip taken off the list: true when it has unload handlers, which
    // are queued now; it then stays, moved below the other depths, until
    // its parent's next tick.
    virtual bool Unloading(Timeline& /*clip*/) { return false; }
    // A sprite instance made (by the frames, with its clip event actions if
    // any, or by a script), before its first frame's tags.
    virtual void Placed(Timeline& clip, std::span<const uint8_t> clipActions) = 0;
};

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
        TimelineEvents* Events = nullptr;      // the movie's script engine, if any
        sound::SoundSink* Sounds = nullptr;    // where the frames' sounds go, if any
        const AssetImports* Imports = nullptr; // characters from other movies
        uint32_t Unnamed = 0;                  // objects named "instanceN" so far
        uint64_t Made = 0;                     // sprite instances made so far
    };

    // Starts on the first frame, its tags applied.
    Timeline(const TagList& frames, uint32_t frameCount, const Dictionary& dictionary, Limits& limits,
             int nesting = 0, Timeline* parent = nullptr, int32_t depth = 0,
             std::span<const uint8_t> clipActions = {});
    ~Timeline();
    Timeline(const Timeline&) = delete;
    Timeline& operator=(const Timeline&) = delete;

    uint32_t CurrentFrame() const { return frame_; }
    uint32_t FrameCount() const { return frameCount_; }
    const DisplayList& Objects() const { return objects_; }
    const Dictionary& Characters() const { return dictionary_; }
    const TagList& Frames() const { return frames_; }

    DisplayList& Objects() { return objects_; }

    // One tick: the sprites already on the list move on (the newest
    // first, as the plug-in keeps them), then this timeline, when it plays, shows its next frame,
    // looping after the last when its stream is finished (TagList::Closed).
    void Advance();
    // The sprite instances on the list, the newest first: the order the
    // plug-in moves them on and hands them their events in.
    std::vector<Timeline*> ChildClips() const;
    // Shows the frame; its frame actions run, those of frames passed over
    // do not.
    void GotoFrame(uint32_t frame);
    void Play() { playing_ = true; }
    void Stop() { playing_ = false; }
    bool IsPlaying() const { return playing_; }

    // The timeline this sprite instance is placed in, and the entry that
    // places it; none for the movie's own timeline.
    Timeline* Parent() const { return parent_; }
    DisplayObject* Self() const;
    int32_t Depth() const { return depth_; }
    // From this timeline's space to its root's (the stage), through the
    // placements of it and its parents.
    Matrix ToStage() const;
    // The frame with this label (labels compare without case).
    std::optional<uint32_t> FindLabel(const std::string& label) const;
    // Places a sprite (or an empty clip for id 0) at a depth from a script;
    // such objects stay when the timeline goes back.
    DisplayObject* AttachSprite(int32_t depth, uint16_t id, const std::string& name);
    // Takes the object at a depth off the list (see TimelineEvents::Unloading).
    void Remove(int32_t depth);
    // Plays a loaded movie (its own frames and characters) in place of the
    // sprite at `depth`, which keeps its name and placement; the timeline
    // that plays it, or null when nothing is there or the limits are met.
    Timeline* LoadMovie(int32_t depth, const TagList& frames, uint32_t frameCount, const Dictionary& dictionary);
    // Exchanges the objects at two depths (either may be empty).
    void SwapDepths(int32_t a, int32_t b);
    // What scripts drew into this timeline, shown beneath its objects; null
    // until they draw. `Drawn(true)` makes it on first use.
    const Drawing* Drawn() const { return drawn_.get(); }
    Drawing* Drawn(bool make);
    void SetDrawn(std::unique_ptr<Drawing> drawing);

private:
    void Rewind(uint32_t frame);
    void EnterSounds(uint32_t frame);
    void EnterFrame(uint32_t frame);
    void ExecuteFrame(uint32_t frame, DisplayList& list, bool instantiate, size_t first = 0);
    void QueueActions(uint32_t frame);
    void Execute(const Tag& tag, uint32_t frame, DisplayList& list, bool instantiate);
    void Place(const Placement& p, uint32_t frame, DisplayList& list, bool instantiate);
    bool Replaceable(const DisplayObject& object, uint16_t id) const;
    // A sprite placed by the frames with clip actions hears of them before
    // its first frame is queued, so that its load event runs ahead of it.
    void SetCharacter(DisplayObject& object, uint16_t id, int32_t depth, bool instantiate,
                      std::span<const uint8_t> clipActions = {});
    void Instantiate(DisplayObject& object, int32_t depth, std::span<const uint8_t> clipActions = {});
    // Whether the object must wait for its unload handlers, moved to the
    // depth below the file's that keeps removed objects apart.
    bool DeferRemoval(DisplayList& list, DisplayList::iterator it);
    void DropUnloaded();
    void NameIfUnnamed(DisplayObject& object, uint16_t id);

    const TagList& frames_;
    uint32_t frameCount_;
    const Dictionary& dictionary_;
    Limits& limits_;
    int nesting_;
    Timeline* parent_;
    int32_t depth_;
    uint64_t made_; // when it was made, among the movie's sprite instances
    bool playing_ = true;
    uint32_t frame_ = 0;
    DisplayList objects_;
    std::unique_ptr<Drawing> drawn_;
};

} // namespace swf
