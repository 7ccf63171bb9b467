#include "swf/Timeline.h"

#include "swf/Error.h"
#include "swf/Placement.h"

#include <algorithm>

namespace swf {

namespace {

// A placement changes only the fields it carries.
template <typename T> void TakeIfGiven(T& field, const std::optional<T>& value) {
    if (value)
        field = *value;
}

} // namespace

DisplayObject::DisplayObject() = default;
DisplayObject::DisplayObject(DisplayObject&&) noexcept = default;
DisplayObject& DisplayObject::operator=(DisplayObject&&) noexcept = default;
DisplayObject::~DisplayObject() = default;

Timeline::Timeline(const TagList& frames, uint32_t frameCount, const Dictionary& dictionary, Limits& limits,
                   int nesting)
    : frames_(frames), frameCount_(std::max<uint32_t>(frameCount, 1)), dictionary_(dictionary),
      limits_(limits), nesting_(nesting) {
    ++limits_.Instances;
    ExecuteFrame(0, objects_, true);
    EnterSounds(0);
}

Timeline::~Timeline() {
    if (limits_.Sounds)
        limits_.Sounds->TimelineEnded(this);
    --limits_.Instances;
}

void Timeline::Advance() {
    for (auto& [depth, object] : objects_)
        if (object.Clip)
            object.Clip->Advance();
    if (frame_ + 1 < frameCount_) {
        ++frame_;
        ExecuteFrame(frame_, objects_, true);
        EnterSounds(frame_);
    } else if (frame_ > 0) {
        Rewind(0);
    }
}

void Timeline::GotoFrame(uint32_t frame) {
    frame = std::min(frame, frameCount_ - 1);
    if (frame < frame_)
        Rewind(frame);
    while (frame_ < frame) {
        ++frame_;
        ExecuteFrame(frame_, objects_, true);
        if (frame_ == frame)
            EnterSounds(frame_);
    }
}

void Timeline::Rewind(uint32_t frame) {
    DisplayList target;
    for (uint32_t f = 0; f <= frame; ++f)
        ExecuteFrame(f, target, false);
    for (auto& [depth, object] : target) {
        auto current = objects_.find(depth);
        bool same = current != objects_.end() && current->second.CharacterId == object.CharacterId &&
                    current->second.PlacedFrame == object.PlacedFrame;
        if (same)
            object.Clip = std::move(current->second.Clip);
        else
            Instantiate(object);
    }
    objects_ = std::move(target);
    frame_ = frame;
    EnterSounds(frame);
}

void Timeline::ExecuteFrame(uint32_t frame, DisplayList& list, bool instantiate) {
    if (frame >= frames_.FramesInStream())
        return;
    for (size_t i = frames_.FrameStart(frame); i < frames_.FrameStart(frame + 1); ++i) {
        try {
            Execute(frames_.Tags[i], frame, list, instantiate);
        } catch (const Error&) {
            // A damaged placement changes nothing; the frame goes on.
        }
    }
}

void Timeline::Execute(const Tag& tag, uint32_t frame, DisplayList& list, bool instantiate) {
    switch (tag.Code) {
    case tagcode::PlaceObject:
    case tagcode::PlaceObject2:
    case tagcode::PlaceObject3:
        Place(ParsePlacement(tag), frame, list, instantiate);
        break;
    case tagcode::RemoveObject:
    case tagcode::RemoveObject2:
        list.erase(ParseRemovedDepth(tag));
        break;
    default:
        break;
    }
}

void Timeline::Place(const Placement& p, uint32_t frame, DisplayList& list, bool instantiate) {
    auto it = list.find(p.Depth);
    if (!p.Move || it == list.end()) {
        // A new object; without a character there is nothing to place.
        if (!p.CharacterId)
            return;
        it = list.insert_or_assign(p.Depth, DisplayObject{}).first;
        it->second.PlacedFrame = frame;
    }
    DisplayObject& object = it->second;
    if (p.CharacterId && (object.CharacterId != *p.CharacterId || !object.Definition))
        SetCharacter(object, *p.CharacterId, instantiate);
    TakeIfGiven(object.Transform, p.Transform);
    TakeIfGiven(object.Colors, p.Colors);
    TakeIfGiven(object.Ratio, p.Ratio);
    TakeIfGiven(object.Name, p.Name);
    TakeIfGiven(object.ClipDepth, p.ClipDepth);
    TakeIfGiven(object.Blend, p.Blend);
}

void Timeline::SetCharacter(DisplayObject& object, uint16_t id, bool instantiate) {
    object.CharacterId = id;
    object.Definition = dictionary_.Find(id);
    object.Clip.reset();
    if (instantiate)
        Instantiate(object);
}

void Timeline::Instantiate(DisplayObject& object) {
    if (!object.Definition)
        return;
    auto sprite = std::get_if<std::shared_ptr<const Sprite>>(object.Definition);
    if (sprite && nesting_ < Limits::MaxNesting && limits_.Instances < Limits::MaxInstances)
        object.Clip = std::make_unique<Timeline>((*sprite)->Frames, (*sprite)->FrameCount, dictionary_,
                                                 limits_, nesting_ + 1);
}

// Only frames the timeline really shows start their sounds: not those a
// jump passes over, nor those replayed to rebuild the list when going back.
void Timeline::EnterSounds(uint32_t frame) {
    if (limits_.Sounds)
        limits_.Sounds->FrameEntered(this, frames_, frame);
}

} // namespace swf
