#include "swf/Timeline.h"

#include "swf/Error.h"
#include "swf/Placement.h"

#include <algorithm>

namespace swf {

DisplayObject::DisplayObject() = default;
DisplayObject::DisplayObject(DisplayObject&&) noexcept = default;
DisplayObject& DisplayObject::operator=(DisplayObject&&) noexcept = default;
DisplayObject::~DisplayObject() = default;

Timeline::Timeline(const TagList& frames, uint32_t frameCount, const Dictionary& dictionary, Limits& limits,
                   int nesting)
    : frames_(frames), frameCount_(std::max<uint32_t>(frameCount, 1)), dictionary_(dictionary),
      limits_(limits), nesting_(nesting) {
    ++limits_.Instances;
    ExecuteFrame(0);
}

Timeline::~Timeline() { --limits_.Instances; }

void Timeline::Advance() {
    for (auto& [depth, object] : objects_)
        if (object.Clip)
            object.Clip->Advance();
    if (frame_ + 1 < frameCount_)
        ExecuteFrame(++frame_);
    else
        Restart();
}

void Timeline::GotoFrame(uint32_t frame) {
    frame = std::min(frame, frameCount_ - 1);
    if (frame < frame_)
        Restart();
    while (frame_ < frame)
        ExecuteFrame(++frame_);
}

void Timeline::Restart() {
    objects_.clear();
    frame_ = 0;
    ExecuteFrame(0);
}

void Timeline::ExecuteFrame(uint32_t frame) {
    if (frame >= frames_.FramesInStream())
        return;
    for (size_t i = frames_.FrameStart(frame); i < frames_.FrameStart(frame + 1); ++i) {
        try {
            Execute(frames_.Tags[i]);
        } catch (const Error&) {
            // A damaged placement changes nothing; the frame goes on.
        }
    }
}

void Timeline::Execute(const Tag& tag) {
    switch (tag.Code) {
    case tagcode::PlaceObject:
    case tagcode::PlaceObject2:
    case tagcode::PlaceObject3:
        Place(ParsePlacement(tag));
        break;
    case tagcode::RemoveObject:
    case tagcode::RemoveObject2:
        objects_.erase(ParseRemovedDepth(tag));
        break;
    default:
        break;
    }
}

void Timeline::Place(const Placement& p) {
    auto it = objects_.find(p.Depth);
    if (!p.Move || it == objects_.end()) {
        // A new object; without a character there is nothing to place.
        if (!p.CharacterId)
            return;
        it = objects_.insert_or_assign(p.Depth, DisplayObject{}).first;
    }
    DisplayObject& object = it->second;
    if (p.CharacterId && (object.CharacterId != *p.CharacterId || !object.Definition))
        SetCharacter(object, *p.CharacterId);
    if (p.Transform)
        object.Transform = *p.Transform;
    if (p.Colors)
        object.Colors = *p.Colors;
    if (p.Ratio)
        object.Ratio = *p.Ratio;
    if (p.Name)
        object.Name = *p.Name;
    if (p.ClipDepth)
        object.ClipDepth = *p.ClipDepth;
}

void Timeline::SetCharacter(DisplayObject& object, uint16_t id) {
    object.CharacterId = id;
    object.Definition = dictionary_.Find(id);
    object.Clip.reset();
    if (!object.Definition)
        return;
    auto sprite = std::get_if<std::shared_ptr<const Sprite>>(object.Definition);
    if (sprite && nesting_ < Limits::MaxNesting && limits_.Instances < Limits::MaxInstances)
        object.Clip = std::make_unique<Timeline>((*sprite)->Frames, (*sprite)->FrameCount, dictionary_,
                                                 limits_, nesting_ + 1);
}

} // namespace swf
