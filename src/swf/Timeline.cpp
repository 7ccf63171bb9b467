#include "swf/Timeline.h"

#include "swf/Drawing.h"
#include "swf/Error.h"
#include "swf/Placement.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace swf {

namespace {

// A placement changes only the fields it carries.
template <typename T> void TakeIfGiven(T& field, const std::optional<T>& value) {
    if (value)
        field = *value;
}

// The frames a timeline plays are those its tags hold, whatever the header
// declares; a timeline without tags shows one empty frame.
uint32_t PlayedFrames(const TagList& frames, uint32_t declared) {
    return frames.FramesInStream() > 0 ? frames.FramesInStream() : std::max<uint32_t>(declared, 1);
}

} // namespace

DisplayObject::DisplayObject() = default;
DisplayObject::DisplayObject(DisplayObject&&) noexcept = default;
DisplayObject& DisplayObject::operator=(DisplayObject&&) noexcept = default;
DisplayObject::~DisplayObject() = default;

Timeline::Timeline(const TagList& frames, uint32_t frameCount, const Dictionary& dictionary, Limits& limits,
                   int nesting, Timeline* parent, int32_t depth, std::span<const uint8_t> clipActions)
    : frames_(frames), frameCount_(PlayedFrames(frames, frameCount)), dictionary_(dictionary),
      limits_(limits), nesting_(nesting), parent_(parent), depth_(depth), made_(++limits.Made) {
    if (limits_.Events && parent_)
        limits_.Events->Placed(*this, clipActions);
    ++limits_.Instances;
    QueueActions(0);
    ExecuteFrame(0, objects_, true);
    EnterSounds(0);
}

Timeline::~Timeline() {
    // Children go first, so that the script engine forgets them before us.
    objects_.clear();
    if (limits_.Events)
        limits_.Events->Removed(*this);
    if (limits_.Sounds)
        limits_.Sounds->TimelineEnded(this);
    --limits_.Instances;
}

Drawing* Timeline::Drawn(bool make) {
    if (!drawn_ && make)
        drawn_ = std::make_unique<Drawing>();
    return drawn_.get();
}

void Timeline::SetDrawn(std::unique_ptr<Drawing> drawing) { drawn_ = std::move(drawing); }

DisplayObject* Timeline::Self() const {
    if (!parent_)
        return nullptr;
    auto it = parent_->objects_.find(depth_);
    return it != parent_->objects_.end() && it->second.Clip.get() == this ? &it->second : nullptr;
}

Matrix Timeline::ToStage() const {
    Matrix toStage;
    for (const Timeline* t = this; t; t = t->Parent())
        if (DisplayObject* placed = t->Self())
            toStage = placed->Transform.Then(toStage);
    return toStage;
}

std::vector<Timeline*> Timeline::ChildClips() const {
    std::vector<Timeline*> clips;
    for (auto& [depth, object] : objects_)
        if (object.Clip)
            clips.push_back(object.Clip.get());
    std::sort(clips.begin(), clips.end(),
              [](const Timeline* a, const Timeline* b) { return a->made_ > b->made_; });
    return clips;
}

void Timeline::Advance() {
    DropUnloaded();
    // A script may remove clips while this runs; the list of clips to move
    // on is taken first, and each is looked up again before it moves.
    std::vector<std::pair<int32_t, const Timeline*>> clips;
    for (Timeline* clip : ChildClips())
        clips.emplace_back(clip->depth_, clip);
    for (auto [depth, clip] : clips) {
        auto it = objects_.find(depth);
        if (it != objects_.end() && it->second.Clip.get() == clip)
            it->second.Clip->Advance();
    }
    if (!playing_)
        return;
    if (frame_ + 1 < frameCount_) {
        ++frame_;
        EnterFrame(frame_);
        EnterSounds(frame_);
    } else if (frame_ > 0 && frames_.Closed) {
        Rewind(0);
    }
}

void Timeline::GotoFrame(uint32_t frame) {
    // A frame past the end takes the timeline to its last frame, whose
    // actions then do not run.
    bool past = frame >= frameCount_;
    frame = std::min(frame, frameCount_ - 1);
    if (frame == frame_)
        return;
    if (frame < frame_) {
        Rewind(frame);
        return;
    }
    while (frame_ < frame) {
        ++frame_;
        if (frame_ == frame && !past)
            EnterFrame(frame_);
        else
            ExecuteFrame(frame_, objects_, true);
        if (frame_ == frame)
            EnterSounds(frame_);
    }
}

std::optional<uint32_t> Timeline::FindLabel(const std::string& label) const {
    auto lower = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::string wanted = lower(label);
    for (uint32_t f = 0; f < frames_.FramesInStream(); ++f)
        for (size_t i = frames_.FrameStart(f); i < frames_.FrameStart(f + 1); ++i) {
            const Tag& tag = frames_.Tags[i];
            if (tag.Code != tagcode::FrameLabel)
                continue;
            std::string name(tag.Body.begin(), std::find(tag.Body.begin(), tag.Body.end(), uint8_t(0)));
            if (lower(name) == wanted)
                return f;
        }
    return std::nullopt;
}

DisplayObject* Timeline::AttachSprite(int32_t depth, uint16_t id, const std::string& name) {
    static const TagList empty;
    if (nesting_ >= Limits::MaxNesting || limits_.Instances >= Limits::MaxInstances)
        return nullptr;
    objects_.erase(depth);
    DisplayObject& object = objects_[depth];
    object.Dynamic = true;
    object.Name = name;
    object.PlacedFrame = frame_;
    if (id == 0) {
        object.Clip = std::make_unique<Timeline>(empty, 1, dictionary_, limits_, nesting_ + 1, this, depth);
        return &object;
    }
    SetCharacter(object, id, depth, true);
    return &object;
}

void Timeline::Remove(int32_t depth) {
    if (auto it = objects_.find(depth); it != objects_.end() && !DeferRemoval(objects_, it))
        objects_.erase(it);
}

bool Timeline::DeferRemoval(DisplayList& list, DisplayList::iterator it) {
    DisplayObject& object = it->second;
    if (it->first < 0 || object.Unloading || !object.Clip || !limits_.Events ||
        !limits_.Events->Unloading(*object.Clip))
        return false;
    int32_t to = -it->first - 1;
    list.erase(to);
    auto node = list.extract(it);
    node.key() = to;
    node.mapped().Unloading = true;
    node.mapped().Clip->depth_ = to;
    list.insert(std::move(node));
    return true;
}

void Timeline::DropUnloaded() {
    std::erase_if(objects_, [](const auto& entry) { return entry.second.Unloading; });
}

Timeline* Timeline::LoadMovie(int32_t depth, const TagList& frames, uint32_t frameCount,
                             const Dictionary& dictionary) {
    auto it = objects_.find(depth);
    if (it == objects_.end() || nesting_ >= Limits::MaxNesting || limits_.Instances >= Limits::MaxInstances)
        return nullptr;
    // The old content goes first, so that its scripts forget it. A clip
    // made empty by a script has no character; it is drawn once it plays
    // a movie.
    static const Character loaded = std::make_shared<const Sprite>();
    it->second.Clip.reset();
    if (!it->second.Definition)
        it->second.Definition = &loaded;
    it->second.Clip = std::make_unique<Timeline>(frames, frameCount, dictionary, limits_, nesting_ + 1, this, depth);
    return it->second.Clip.get();
}

void Timeline::SwapDepths(int32_t a, int32_t b) {
    auto first = objects_.extract(a), second = objects_.extract(b);
    for (auto* node : {&first, &second}) {
        if (node->empty())
            continue;
        int32_t to = node == &first ? b : a;
        node->key() = to;
        node->mapped().Dynamic = true;
        if (node->mapped().Clip)
            node->mapped().Clip->depth_ = to;
        objects_.insert(std::move(*node));
    }
}

// Frame actions wait in the engine's queue until the tick's display-list
// work is done; init actions are queued ahead of them.
void Timeline::QueueActions(uint32_t frame) {
    if (!limits_.Events || frame >= frames_.FramesInStream())
        return;
    size_t begin = frames_.FrameStart(frame), end = frames_.FrameStart(frame + 1);
    for (size_t i = begin; i < end; ++i) {
        const Tag& tag = frames_.Tags[i];
        if (tag.Code == tagcode::DoInitAction && tag.Body.size() >= 2)
            limits_.Events->InitActions(*this, uint16_t(tag.Body[0] | tag.Body[1] << 8), tag.Body.subspan(2));
    }
    for (size_t i = begin; i < end; ++i)
        if (frames_.Tags[i].Code == tagcode::DoAction)
            limits_.Events->FrameActions(*this, frames_.Tags[i].Body);
}

void Timeline::Rewind(uint32_t frame) {
    DisplayList target;
    QueueActions(frame);
    for (uint32_t f = 0; f <= frame; ++f)
        ExecuteFrame(f, target, false);
    // Placements the target frame has too keep their object (a sprite
    // there keeps running); the frames' other objects go.
    std::set<int32_t> kept;
    for (auto& [depth, object] : target) {
        auto current = objects_.find(depth);
        if (current == objects_.end() || current->second.Dynamic ||
            current->second.CharacterId != object.CharacterId ||
            current->second.PlacedFrame != object.PlacedFrame)
            continue;
        object.Clip = std::move(current->second.Clip);
        object.Name = std::move(current->second.Name);
        objects_.erase(current);
        kept.insert(depth);
    }
    std::vector<int32_t> gone;
    for (auto& [depth, object] : objects_)
        if (!object.Dynamic && !object.Unloading)
            gone.push_back(depth);
    for (int32_t depth : gone)
        if (auto it = objects_.find(depth); !DeferRemoval(objects_, it))
            objects_.erase(it);
    // Objects placed by scripts, and removed ones waiting for their
    // handlers, stay where they are.
    for (auto& [depth, object] : objects_)
        if (!target.count(depth))
            target.emplace(depth, std::move(object));
    for (auto& [depth, object] : target)
        if (!object.Dynamic && !object.Unloading && !kept.count(depth)) {
            NameIfUnnamed(object, object.CharacterId);
            Instantiate(object, depth);
        }
    objects_ = std::move(target);
    frame_ = frame;
    EnterSounds(frame);
}

// The removals a frame starts with come before its actions, so that the
// unload handlers they queue run first.
void Timeline::EnterFrame(uint32_t frame) {
    size_t first = frame < frames_.FramesInStream() ? frames_.FrameStart(frame) : 0;
    for (; frame < frames_.FramesInStream() && first < frames_.FrameStart(frame + 1); ++first) {
        const Tag& tag = frames_.Tags[first];
        if (tag.Code != tagcode::RemoveObject && tag.Code != tagcode::RemoveObject2)
            break;
        try {
            Execute(tag, frame, objects_, true);
        } catch (const Error&) {
            // As in ExecuteFrame: a damaged tag changes nothing.
        }
    }
    QueueActions(frame);
    ExecuteFrame(frame, objects_, true, first);
}

void Timeline::ExecuteFrame(uint32_t frame, DisplayList& list, bool instantiate, size_t first) {
    if (frame >= frames_.FramesInStream())
        return;
    for (size_t i = std::max(first, frames_.FrameStart(frame)); i < frames_.FrameStart(frame + 1); ++i) {
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
        if (auto it = list.find(ParseRemovedDepth(tag));
            it != list.end() && !(instantiate && DeferRemoval(list, it)))
            list.erase(it);
        break;
    default:
        break;
    }
}

void Timeline::Place(const Placement& p, uint32_t frame, DisplayList& list, bool instantiate) {
    auto it = list.find(p.Depth);
    bool created = !p.Move || it == list.end();
    if (created) {
        // A new object; without a character there is nothing to place.
        if (!p.CharacterId)
            return;
        it = list.insert_or_assign(p.Depth, DisplayObject{}).first;
        it->second.PlacedFrame = frame;
        // Named before its own frames run, which may name objects too.
        TakeIfGiven(it->second.Name, p.Name);
        if (instantiate)
            NameIfUnnamed(it->second, *p.CharacterId);
    }
    DisplayObject& object = it->second;
    if (p.CharacterId && (created || Replaceable(object, *p.CharacterId)))
        SetCharacter(object, *p.CharacterId, p.Depth, instantiate,
                     created && instantiate ? p.ClipActions : std::span<const uint8_t>{});
    TakeIfGiven(object.Transform, p.Transform);
    TakeIfGiven(object.Colors, p.Colors);
    TakeIfGiven(object.Ratio, p.Ratio);
    // A move keeps the name the object was placed with.
    if (created)
        TakeIfGiven(object.Name, p.Name);
    TakeIfGiven(object.ClipDepth, p.ClipDepth);
    TakeIfGiven(object.Blend, p.Blend);
    if (p.Filters)
        object.Filters = p.Filters;
    TakeIfGiven(object.CacheAsBitmap, p.CacheAsBitmap);
    TakeIfGiven(object.Visible, p.Visible);
    if (p.Background)
        object.Background = p.Background;
}

// A move that names another character swaps shapes, texts and the like in
// place; a sprite instance stays what it is, and nothing becomes a sprite.
bool Timeline::Replaceable(const DisplayObject& object, uint16_t id) const {
    auto isSprite = [](const Character* c) {
        return c && std::holds_alternative<std::shared_ptr<const Sprite>>(*c);
    };
    if (object.CharacterId == id && object.Definition)
        return false;
    return !object.Clip && !isSprite(object.Definition) && !isSprite(dictionary_.Find(id));
}

void Timeline::SetCharacter(DisplayObject& object, uint16_t id, int32_t depth, bool instantiate,
                            std::span<const uint8_t> clipActions) {
    object.CharacterId = id;
    object.Definition = dictionary_.Find(id);
    object.Source = nullptr;
    if (const AssetImports::Imported* imported = limits_.Imports ? limits_.Imports->Find(id) : nullptr;
        !object.Definition && imported) {
        object.Definition = imported->Definition;
        object.Source = imported->Source;
    }
    object.Clip.reset();
    if (instantiate)
        Instantiate(object, depth, clipActions);
}

void Timeline::Instantiate(DisplayObject& object, int32_t depth, std::span<const uint8_t> clipActions) {
    if (!object.Definition)
        return;
    auto sprite = std::get_if<std::shared_ptr<const Sprite>>(object.Definition);
    if (sprite && nesting_ < Limits::MaxNesting && limits_.Instances < Limits::MaxInstances)
        object.Clip = std::make_unique<Timeline>((*sprite)->Frames, (*sprite)->FrameCount,
                                                 object.Source ? *object.Source : dictionary_, limits_,
                                                 nesting_ + 1, this, depth, clipActions);
}

// Objects placed without a name get one the scripts can use, counted
// across the movie in the order they are made (buttons are not counted).
void Timeline::NameIfUnnamed(DisplayObject& object, uint16_t id) {
    const Character* c = dictionary_.Find(id);
    if (object.Name.empty() && !(c && std::holds_alternative<std::shared_ptr<const Button>>(*c)))
        object.Name = "instance" + std::to_string(++limits_.Unnamed);
}

// Only frames the timeline really shows start their sounds: not those a
// jump passes over, nor those replayed to rebuild the list when going back.
void Timeline::EnterSounds(uint32_t frame) {
    if (limits_.Sounds)
        limits_.Sounds->FrameEntered(this, frames_, frame);
}

} // namespace swf
