#pragma once

#include "swf/script/Object.h"

#include <span>
#include <string>
#include <vector>

namespace swf {
class Timeline;
struct DisplayObject;
} // namespace swf

namespace swf::script {

// Clip events of PlaceObject2/3 clip actions, as bits of the event flags.
namespace clipevent {
enum : uint32_t {
    Load = 0x01,
    EnterFrame = 0x02,
    Unload = 0x04,
    MouseMove = 0x08,
    MouseDown = 0x10,
    MouseUp = 0x20,
    KeyDown = 0x40,
    KeyUp = 0x80,
    Data = 0x100,
    Initialize = 0x200,
    Press = 0x400,
    Release = 0x800,
    ReleaseOutside = 0x1000,
    RollOver = 0x2000,
    RollOut = 0x4000,
    DragOver = 0x8000,
    DragOut = 0x10000,
    KeyPress = 0x20000,
    Construct = 0x40000,
};
} // namespace clipevent

struct ClipEventHandler {
    uint32_t Events = 0;
    uint8_t Key = 0; // for KeyPress
    std::span<const uint8_t> Actions;
};

// The script side of a movie clip: its timeline variables are the object's
// own properties; display properties (_x, _alpha, ...) and child clips by
// instance name are computed from the timeline it stands for. Once the clip
// is removed the object stays, detached, and stands for whatever clip is
// later found at the path the clip had when it was made.
class ClipObject : public Object {
public:
    // The level and the instance names from the level's root down.
    struct Origin {
        int Level = 0;
        std::vector<std::string> Names;
        // False while the clip is still being built and not yet in its
        // parent's list, so that its own name is not known.
        bool Complete = true;
    };

    ClipObject(bool caseSensitive, Timeline* timeline, Origin origin)
        : Object(caseSensitive), timeline_(timeline), origin_(std::move(origin)) {}

    Timeline* GetTimeline() const { return timeline_; }
    void Detach() { timeline_ = nullptr; }
    void Attach(Timeline* timeline) { timeline_ = timeline; }
    const Origin& MadeAt() const { return origin_; }
    void SetMadeAt(Origin origin) { origin_ = std::move(origin); }
    // _root as the timeline's scripts see it: the nearest clip up from it
    // with _lockroot set (kept when a movie is loaded into the clip), else
    // the root of its level.
    static ObjectPtr RootOf(Vm& vm, Timeline& timeline);
    // The named child clip of a timeline, if there is one.
    static Timeline* ChildClip(Timeline& parent, const std::string& name, bool caseSensitive);

    std::optional<Value> GetComputed(Vm& vm, const std::string& name) override;
    bool SetComputed(Vm& vm, const std::string& name, const Value& v) override;
    std::optional<Value> GetFallback(Vm& vm, const std::string& name) override;
    void ComputedKeys(std::vector<std::string>& keys) const override;
    // A removed clip is still a clip to typeof.
    const char* TypeOf() const override { return "movieclip"; }

    // Display properties by getProperty/setProperty index; false for an
    // index or name that is none.
    std::optional<Value> GetProperty(Vm& vm, int index);
    void SetProperty(Vm& vm, int index, const Value& v);
    static int PropertyIndex(const std::string& name);
    // The properties that belong to the placement (_x, _y, _xscale,
    // _yscale, _alpha, _visible, _rotation, _name), shared with text fields.
    static std::optional<Value> PlacementProperty(const DisplayObject* self, int index);
    static void SetPlacementProperty(Vm& vm, DisplayObject& self, int index, const Value& v);
    // What scripts see of an object of a clip's list: a sprite's clip, a
    // button's or text field's own object, the clip itself for a shape.
    static Value ValueOf(Vm& vm, Timeline& owner, DisplayObject& object);

    // The actions of this clip's onClipEvent handlers.
    std::vector<ClipEventHandler> Handlers;

    // The dot path of the clip: "_level0.a.b".
    std::string TargetPath() const;
    // The slash path _target gives: "/a/b", "/" for the root.
    std::string SlashPath() const;

private:
    void SetSize(DisplayObject& self, bool width, double pixels);
    // The instance names from the root down, each after the separator.
    std::string JoinNames(char separator) const;

    Timeline* timeline_;
    Origin origin_;
    bool lockRoot_ = false;
};

} // namespace swf::script
