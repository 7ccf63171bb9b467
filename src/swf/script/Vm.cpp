#include "swf/script/Vm.h"

#include "swf/ByteReader.h"
#include "swf/Error.h"
#include "swf/Movie.h"
#include "swf/script/Builtins.h"
#include "swf/script/ClipLifetime.h"
#include "swf/script/ClipObject.h"
#include "swf/script/Interpreter.h"
#include "swf/script/SuperObject.h"
#include "swf/script/Text.h"
#include "swf/script/TextFieldObject.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace swf::script {

Vm::Vm(int version) : version_(version) {
    global_ = Make<Object>();
    InstallBuiltins();
}

Vm::~Vm() {
    for (auto& [timeline, clip] : clips_)
        clip->Detach();
    // Objects in cycles would otherwise outlive the movie.
    for (const auto& weak : objects_)
        if (ObjectPtr object = weak.lock())
            object->DropReferences();
}

void Vm::Track(const ObjectPtr& object) {
    // Dead entries are swept whenever the list has doubled, so it stays
    // within twice the number of live objects.
    if (objects_.size() >= sweepAt_) {
        std::erase_if(objects_, [](const std::weak_ptr<Object>& weak) { return weak.expired(); });
        sweepAt_ = std::max<size_t>(1024, objects_.size() * 2);
    }
    objects_.push_back(object);
}

void Vm::InstallBuiltins() { builtins::Install(*this); }

void Vm::SetRoot(Timeline* root) { root_ = root; }

void Vm::AddMovie(const Movie& movie) {
    if (!firstMovie_) {
        firstMovie_ = &movie.Characters();
        LimitRecursion(movie);
    }
    movies_[&movie.Characters()] = {AssetImports::Exports(movie), movie.Header().Version};
}

// ScriptLimits may lower the depth calls nest to (the frame's own block
// counts as one level); deeper than our own limit is never allowed.
void Vm::LimitRecursion(const Movie& movie) {
    for (const Tag& tag : movie.Tags())
        if (tag.Code == tagcode::ScriptLimits && tag.Body.size() >= 4) {
            int depth = tag.Body[0] | tag.Body[1] << 8;
            if (depth > 0)
                maxCallDepth_ = std::min(depth, MaxCallDepth);
        }
}

int Vm::MovieVersion(const Dictionary* movie) const {
    auto found = movies_.find(movie);
    return found == movies_.end() ? version_ : found->second.Version;
}

std::optional<uint16_t> Vm::ExportedId(const std::string& name) const {
    return firstMovie_ ? ExportedId(*firstMovie_, name) : std::nullopt;
}

std::optional<uint16_t> Vm::ExportedId(const Dictionary& movie, const std::string& name) const {
    auto found = movies_.find(&movie);
    if (found == movies_.end())
        found = movies_.find(firstMovie_);
    if (found == movies_.end())
        return std::nullopt;
    // Symbol names compare without case, as the plug-in links them.
    for (const auto& [symbol, id] : found->second.Exports)
        if (ToLowerAscii(symbol) == ToLowerAscii(name))
            return id;
    return std::nullopt;
}

std::string Vm::ExportName(const Dictionary& movie, uint16_t id) const {
    auto found = movies_.find(&movie);
    if (found != movies_.end())
        for (const auto& [symbol, exported] : found->second.Exports)
            if (exported == id)
                return symbol;
    return {};
}

// Movies before SWF 7 link names without case, later ones with it; each
// side sees only the links made its way.
std::string Vm::ClassKey(const std::string& symbol, int version) const {
    if (version >= 7)
        return symbol;
    std::string key(1, '\x01');
    return key.append(ToLowerAscii(symbol));
}

void Vm::RegisterClass(const std::string& symbol, const ObjectPtr& constructor) {
    std::string key = ClassKey(symbol, MovieVersion(running_));
    if (constructor)
        classes_[key] = constructor;
    else
        classes_.erase(key);
}

ObjectPtr Vm::RegisteredClass(const Dictionary& movie, const std::string& symbol) const {
    auto found = classes_.find(ClassKey(symbol, MovieVersion(&movie)));
    return found == classes_.end() ? nullptr : found->second;
}

// ---- the queue ----

void Vm::FrameActions(Timeline& timeline, std::span<const uint8_t> actions) {
    queue_.push_back({ClipObjectFor(timeline), actions, {}});
}

void Vm::InitActions(Timeline& timeline, uint16_t spriteId, std::span<const uint8_t> actions) {
    if (!initDone_.insert(spriteId).second)
        return;
    inits_.push_back({ClipObjectFor(timeline), actions, {}});
}

void Vm::Removed(Timeline& timeline) {
    auto it = clips_.find(&timeline);
    if (it == clips_.end())
        return;
    it->second->Detach();
    clips_.erase(it);
    if (&timeline == root_)
        root_ = nullptr;
}

void Vm::Placed(Timeline& clip, std::span<const uint8_t> clipActions) {
    auto object = std::static_pointer_cast<ClipObject>(ClipObjectFor(clip));
    // The event masks are 16 bits wide before SWF 6.
    bool wide = version_ >= 6;
    try {
        ByteReader in(clipActions);
        in.U16();
        wide ? in.U32() : in.U16();
        while (uint32_t events = wide ? in.U32() : in.U16()) {
            uint32_t size = in.U32();
            ClipEventHandler handler;
            handler.Events = events;
            if ((events & clipevent::KeyPress) && size > 0) {
                handler.Key = in.U8();
                --size;
            }
            handler.Actions = in.Bytes(size);
            object->Handlers.push_back(handler);
        }
    } catch (const Error&) {
        // Damaged clip actions: the handlers read so far stay.
    }
    QueueClipEvent(object, clipevent::Initialize, true);
    // A clip made by a script is constructed by it, at once.
    auto entry = clip.Parent()->Objects().find(clip.Depth());
    if (entry != clip.Parent()->Objects().end() && !entry->second.Dynamic)
        constructs_.push_back({object, {}, {}, {}, [this, object] { Construct(object); }});
    QueueClipEvent(object, clipevent::Load, false);
    // A class's instance hears its load through its onLoad method too.
    queue_.push_back({object, {}, {}, {}, [this, object] {
                          if (object->FindOwn("__constructor__"))
                              CallMethod(Value(object), "onLoad", {});
                      }});
}

void Vm::Construct(const std::shared_ptr<ClipObject>& clip) {
    Timeline* timeline = clip->GetTimeline();
    ObjectPtr constructor = timeline ? ClassOf(*this, *timeline) : nullptr;
    if (constructor)
        GiveClass(*this, clip, constructor);
    for (const ClipEventHandler& h : clip->Handlers)
        if (h.Events & clipevent::Construct)
            RunOne({clip, h.Actions, {}});
    if (constructor)
        RunOne({clip, {}, {}, {}, [this, clip, constructor] { RunConstructor(*this, clip, constructor); }});
}

bool Vm::Unloading(Timeline& clip) {
    size_t before = queue_.size();
    QueueUnload(clip);
    return queue_.size() != before;
}

// The clips inside unload first.
void Vm::QueueUnload(Timeline& clip) {
    for (auto& [depth, object] : clip.Objects())
        if (object.Clip)
            QueueUnload(*object.Clip);
    auto found = clips_.find(&clip);
    if (found == clips_.end())
        return;
    ObjectPtr object = found->second;
    QueueClipEvent(object, clipevent::Unload, false);
    Value handler = GetMember(Value(object), "onUnload");
    if (handler.IsObject() && handler.Object()->Callable())
        queue_.push_back({object, {}, handler});
}

void Vm::QueueClipEvent(const ObjectPtr& clip, uint32_t event, bool early) {
    for (const ClipEventHandler& h : static_cast<ClipObject&>(*clip).Handlers)
        if (h.Events & event)
            (early ? early_ : queue_).push_back({clip, h.Actions, {}});
}

void Vm::RunGuarded(const std::function<void()>& work, const std::string& where) {
    if (aborted_ || quit_)
        return;
    try {
        work();
    } catch (const ScriptThrow& e) {
        // An exception nobody caught ends the action block; the plug-in
        // logs it where trace() output goes.
        Trace("Warning: Uncaught exception, " + ToString(e.Thrown));
    } catch (const ScriptAbort& e) {
        aborted_ = true;
        if (OnError)
            OnError(where + e.what());
    }
}

void Vm::RunQueue() {
    deadline_ = std::chrono::steady_clock::now() + TimeLimit;
    aborted_ = false;
    // Bound text fields give unset variables their text before scripts run,
    // and show what the scripts left in them after.
    if (root_)
        SyncTextFields(*this, *root_);
    if (!entering_.empty())
        QueueEnterFrame();
    // Each block may queue more (gotoAndPlay queues the target frame's).
    size_t budget = 100000;
    while ((!inits_.empty() || !early_.empty() || !constructs_.empty() || !queue_.empty()) && budget-- > 0) {
        auto& from = !inits_.empty()        ? inits_
                     : !early_.empty()      ? early_
                     : !constructs_.empty() ? constructs_
                                            : queue_;
        Queued item = std::move(from.front());
        from.pop_front();
        RunOne(item);
    }
    inits_.clear();
    early_.clear();
    constructs_.clear();
    queue_.clear();
    if (root_)
        SyncTextFields(*this, *root_);
}

void Vm::RunLoads() {
    if (!Loader)
        return;
    deadline_ = std::chrono::steady_clock::now() + TimeLimit;
    aborted_ = false;
    auto run = [this](const std::function<void()>& task) {
        RunGuarded(task, "A load handler was stopped: ");
    };
    Loader->RunDue(run);
    RunQueue();
    Loader->RunSettled(run);
    RunQueue();
}

void Vm::ReuseClipObject(const ObjectPtr& clip, Timeline* parent, int32_t depth) {
    reuse_ = {std::dynamic_pointer_cast<ClipObject>(clip), parent, depth};
}

void Vm::RunOne(const Queued& item) {
    auto clip = std::static_pointer_cast<ClipObject>(item.Clip);
    if (!clip->GetTimeline())
        return; // removed before its turn
    RunGuarded(
        [&] {
            if (item.Task) {
                item.Task();
                return;
            }
            if (!item.Handler.IsUndefined()) {
                Call(item.Handler, item.This.IsUndefined() ? Value(item.Clip) : item.This, {});
                return;
            }
            Activation a = FrameActivation(item.Clip);
            Run(item.Actions, a);
        },
        "A script was stopped: ");
}

void Vm::CollectEnterFrame(Timeline& timeline, std::vector<ObjectPtr>& clips) {
    for (Timeline* child : timeline.ChildClips())
        CollectEnterFrame(*child, clips);
    auto found = clips_.find(&timeline);
    if (found != clips_.end())
        clips.push_back(found->second);
}

void Vm::EnterFrame() {
    ++frames_;
    deadline_ = std::chrono::steady_clock::now() + TimeLimit;
    aborted_ = false;
    RunIntervals();
    if (!root_)
        return;
    entering_.clear();
    CollectEnterFrame(*root_, entering_);
}

namespace {

// Whether the clip or one that holds it has been removed.
bool Unloaded(const Timeline& clip) {
    for (const Timeline* t = &clip; t; t = t->Parent())
        if (DisplayObject* self = t->Self(); self && self->Unloading)
            return true;
    return false;
}

} // namespace

// The clips that were there when the tick began, and are still there once
// the timelines have moved on, run their enterFrame handlers ahead of the
// frames' actions.
void Vm::QueueEnterFrame() {
    std::deque<Queued> handlers;
    for (const ObjectPtr& clip : entering_) {
        Timeline* t = static_cast<ClipObject&>(*clip).GetTimeline();
        if (!t || Unloaded(*t))
            continue;
        for (const ClipEventHandler& h : static_cast<ClipObject&>(*clip).Handlers)
            if (h.Events & clipevent::EnterFrame)
                handlers.push_back({clip, h.Actions, {}, {}});
        Value handler = GetMember(Value(clip), "onEnterFrame");
        if (handler.IsObject() && handler.Object()->Callable())
            handlers.push_back({clip, {}, handler, {}});
    }
    entering_.clear();
    queue_.insert(queue_.begin(), handlers.begin(), handlers.end());
}

// ---- input ----

void Vm::Broadcast(uint32_t clipEvent, const std::string& method, const char* broadcaster, uint8_t key) {
    if (root_) {
        std::vector<ObjectPtr> clips;
        CollectEnterFrame(*root_, clips);
        for (const ObjectPtr& clip : clips) {
            for (const ClipEventHandler& h : static_cast<ClipObject&>(*clip).Handlers)
                if ((h.Events & clipEvent) && (clipEvent != clipevent::KeyPress || h.Key == key))
                    queue_.push_back({clip, h.Actions, {}});
            if (method.empty())
                continue;
            Value handler = GetMember(Value(clip), method);
            if (handler.IsObject() && handler.Object()->Callable())
                queue_.push_back({clip, {}, handler});
        }
    }
    Value source = GetMember(Value(global_), broadcaster);
    Value listeners = GetMember(source, "_listeners");
    auto list = listeners.IsObject() ? dynamic_cast<ArrayObject*>(listeners.Object().get()) : nullptr;
    if (!list || method.empty())
        return;
    std::vector<Value> copy = list->Elements;
    RunGuarded(
        [&] {
            for (const Value& listener : copy)
                CallMethod(listener, method, {});
        },
        "A listener was stopped: ");
}

void Vm::MouseMove(double x, double y) {
    mouseX_ = x;
    mouseY_ = y;
    FollowDrag();
    Broadcast(clipevent::MouseMove, "onMouseMove", "Mouse");
}

void Vm::MouseButton(bool down) {
    Broadcast(down ? clipevent::MouseDown : clipevent::MouseUp, down ? "onMouseDown" : "onMouseUp", "Mouse");
}

void Vm::Key(bool down, uint32_t keyCode, uint32_t character) {
    if (down) {
        if (keysDown_.insert(keyCode).second && !Input.Toggled.erase(keyCode))
            Input.Toggled.insert(keyCode);
        lastKey_ = keyCode;
        lastCharacter_ = character;
        Broadcast(clipevent::KeyDown, "onKeyDown", "Key");
        // on(keyPress) matches the character, or the code of a special key.
        uint8_t press = character >= 32 && character < 127 ? static_cast<uint8_t>(character) : 0;
        if (press)
            Broadcast(clipevent::KeyPress, "", "Key", press);
    } else {
        keysDown_.erase(keyCode);
        lastKey_ = keyCode;
        Broadcast(clipevent::KeyUp, "onKeyUp", "Key");
    }
}

// ---- time and limits ----

void Vm::Step() {
    if ((++steps_ & 0xFFF) == 0 && std::chrono::steady_clock::now() > deadline_)
        throw ScriptAbort("it ran longer than " + std::to_string(TimeLimit.count()) + " ms");
}

Vm::DepthGuard::DepthGuard(Vm& vm) : vm_(vm) {
    if (vm_.depth_ + 1 >= vm_.maxCallDepth_)
        throw ScriptAbort(std::to_string(vm_.maxCallDepth_) + " levels of recursion were exceeded");
    ++vm_.depth_;
}

void Vm::Trace(const std::string& line) {
    if (OnTrace)
        OnTrace(line);
}

double Vm::MillisecondsSinceStart() const {
    double real =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
    return std::max(real, double(frames_) * FrameMilliseconds);
}

int Vm::AddInterval(Value function, Value thisValue, std::string method, std::vector<Value> args, double ms,
                    bool once) {
    if (intervals_.size() >= 10000)
        return 0;
    int id = nextInterval_++;
    ms = std::isfinite(ms) ? std::max(ms, 10.0) : 10.0;
    intervals_[id] = {std::move(function),
                      std::move(thisValue),
                      std::move(method),
                      std::move(args),
                      ms,
                      MillisecondsSinceStart() + ms,
                      once};
    return id;
}

void Vm::ClearInterval(int id) { intervals_.erase(id); }

void Vm::RunIntervals() {
    double now = MillisecondsSinceStart();
    std::vector<int> due;
    for (auto& [id, interval] : intervals_)
        if (interval.Due <= now)
            due.push_back(id);
    for (int id : due) {
        auto it = intervals_.find(id);
        if (it == intervals_.end())
            continue;
        Interval copy = it->second;
        if (copy.Once)
            intervals_.erase(it);
        else
            it->second.Due = now + copy.Ms;
        RunGuarded(
            [&] {
                if (copy.Method.empty())
                    Call(copy.Function, copy.This, copy.Args);
                else
                    CallMethod(copy.This, copy.Method, copy.Args);
            },
            "An interval was stopped: ");
    }
}

// ---- objects ----

ObjectPtr Vm::NewObject() { return NewObject(Protos.Object); }

ObjectPtr Vm::NewObject(const ObjectPtr& proto) {
    auto o = Make<Object>();
    if (proto)
        o->Put("__proto__", Value(proto), DontEnum);
    return o;
}

ObjectPtr Vm::NewArray(std::vector<Value> elements) {
    auto a = Make<ArrayObject>();
    a->Put("__proto__", Value(Protos.Array), DontEnum);
    a->Elements = std::move(elements);
    if (a->Elements.size() > ArrayObject::MaxLength)
        a->Elements.resize(ArrayObject::MaxLength);
    return a;
}

ObjectPtr Vm::NewFunction(NativeCall call, NativeCall construct) {
    auto f = Make<NativeFunction>(std::move(call), std::move(construct));
    if (Protos.Function)
        f->Put("__proto__", Value(Protos.Function), DontEnum);
    return f;
}

ObjectPtr Vm::NewClass(const ObjectPtr& prototype, NativeCall call, NativeCall construct) {
    ObjectPtr f = NewFunction(std::move(call), std::move(construct));
    f->Put("prototype", Value(prototype), DontEnum | DontDelete);
    prototype->Put("constructor", Value(f), DontEnum);
    return f;
}

ObjectPtr Vm::NewScriptFunction(FunctionCode code, const Activation& where) {
    auto f = Make<ScriptFunction>(std::move(code), where.Scopes, where.Home);
    f->Put("__proto__", Value(Protos.Function), DontEnum);
    ObjectPtr prototype = NewObject();
    prototype->Put("constructor", Value(ObjectPtr(f)), DontEnum);
    f->Put("prototype", Value(prototype), DontEnum);
    return f;
}

ObjectPtr Vm::ClipObjectFor(Timeline& timeline) {
    auto& clip = clips_[&timeline];
    if (!clip && reuse_.Clip && reuse_.Parent == timeline.Parent() && reuse_.Depth == timeline.Depth()) {
        // A loaded movie plays in the clip it was loaded into: the same
        // object, its variables gone.
        clip = std::move(reuse_.Clip);
        clip->Object::DropReferences();
        clip->Put("__proto__", Value(Protos.MovieClip), DontEnum);
        clip->Attach(&timeline);
    }
    if (!clip) {
        clip = Make<ClipObject>(&timeline, OriginOf(timeline));
        clip->Put("__proto__", Value(Protos.MovieClip), DontEnum);
    } else if (!clip->MadeAt().Complete) {
        // Made while its timeline was built (its clip events): the path
        // is known once the clip is in its parent's list.
        clip->SetMadeAt(OriginOf(timeline));
    }
    // Every level's root tells the player's version.
    if (!timeline.Parent() && !clip->FindOwn("$version"))
        clip->Put("$version", builtins::PlayerVersion, DontEnum);
    return clip;
}

Timeline* Vm::TimelineOf(const Value& v) const {
    if (!v.IsObject())
        return nullptr;
    auto clip = dynamic_cast<ClipObject*>(v.Object().get());
    if (!clip)
        return nullptr;
    return clip->GetTimeline() ? clip->GetTimeline() : Relocate(*clip);
}

ClipObject::Origin Vm::OriginOf(Timeline& timeline) const {
    ClipObject::Origin origin;
    origin.Complete = !timeline.Parent() || timeline.Self();
    Timeline* top = &timeline;
    for (; top->Parent(); top = top->Parent())
        if (DisplayObject* self = top->Self())
            origin.Names.insert(origin.Names.begin(), self->Name);
    if (top != root_)
        for (int level = 1; LevelAt && level <= MaxLevel; ++level)
            if (LevelAt(level) == top) {
                origin.Level = level;
                break;
            }
    return origin;
}

Timeline* Vm::Relocate(const ClipObject& clip) const {
    const ClipObject::Origin& origin = clip.MadeAt();
    Timeline* t = origin.Level == 0 ? root_ : LevelAt ? LevelAt(origin.Level) : nullptr;
    // A removed level root has no path of its own to be found again by.
    if (origin.Names.empty())
        return nullptr;
    for (const std::string& name : origin.Names)
        if (!t || !(t = ClipObject::ChildClip(*t, name, CaseSensitive())))
            return nullptr;
    return t;
}

ObjectPtr Vm::Live(const ObjectPtr& object) {
    auto clip = std::dynamic_pointer_cast<ClipObject>(object);
    if (!clip || clip->GetTimeline())
        return object;
    Timeline* now = Relocate(*clip);
    return now ? ClipObjectFor(*now) : nullptr;
}

void Vm::Method(const ObjectPtr& object, const std::string& name, NativeCall call) {
    object->Put(name, Value(NewFunction(std::move(call))), DontEnum);
}

// ---- property access ----

Value Vm::GetMember(const Value& target, const std::string& name, ObjectPtr* holder) {
    ObjectPtr object;
    if (target.IsObject()) {
        object = Live(target.Object());
        if (!object)
            return {};
    } else if (target.IsString()) {
        if (name == "length")
            return double(TextLength(target.String()));
        object = Protos.String;
    } else if (target.IsNumber()) {
        object = Protos.Number;
    } else if (target.IsBoolean()) {
        object = Protos.Boolean;
    } else {
        return {};
    }
    return Lookup(object, name, target, holder);
}

Value Vm::Lookup(const ObjectPtr& start, const std::string& name, const Value& receiver, ObjectPtr* holder) {
    Object* o = start.get();
    for (int i = 0; o; ++i) {
        if (i == MaxProtoChain)
            throw ScriptAbort("A prototype chain is too long or loops.");
        // Accessors added by scripts come before the kind's own properties.
        Property* p = o->FindOwn(name);
        std::optional<Value> computed = p && p->Getter ? std::nullopt : o->GetComputed(*this, name);
        if (computed)
            return *computed;
        if (p) {
            ObjectPtr found = o->shared_from_this();
            if (holder)
                *holder = found;
            if (p->Getter)
                return CallFrom(Value(p->Getter), receiver, {}, found);
            return p->Data;
        }
        if (name == "__proto__")
            return {};
        if (auto v = o->GetFallback(*this, name))
            return *v;
        ObjectPtr proto = o->Proto();
        o = proto.get();
    }
    return Resolve(start, name, receiver);
}

// A name found nowhere goes to the first __resolve function up the chain
// (numbers and clips there are passed over, other objects end the search).
Value Vm::Resolve(const ObjectPtr& start, const std::string& name, const Value& receiver) {
    if (name == "__resolve" || name == "__proto__")
        return {};
    Object* o = start.get();
    for (int i = 0; o && i < MaxProtoChain; ++i, o = o->Proto().get()) {
        const Property* p = o->FindOwn("__resolve");
        if (!p || p->Getter || !p->Data.IsObject() || TimelineOf(p->Data))
            continue;
        Value args[] = {Value(name)};
        return CallFrom(p->Data, receiver, args, o->shared_from_this());
    }
    return {};
}

bool Vm::HasMember(const ObjectPtr& object, const std::string& name) {
    ObjectPtr live = Live(object);
    Object* o = live.get();
    for (int i = 0; o && i < MaxProtoChain; ++i) {
        if (o->GetComputed(*this, name) || o->FindOwn(name) || o->GetFallback(*this, name))
            return true;
        o = o->Proto().get();
    }
    return false;
}

void Vm::SetMember(const Value& target, const std::string& name, const Value& value) {
    if (!target.IsObject())
        return;
    ObjectPtr object = Live(target.Object());
    if (!object)
        return; // a removed clip with nothing at its path takes no variables
    if (object->SetComputed(*this, name, value))
        return;
    if (Property* own = object->FindOwn(name)) {
        if (own->Setter) {
            Value args[] = {value};
            Call(Value(own->Setter), target, args);
        } else if (!own->Getter && !(own->Flags & ReadOnly)) {
            own->Data = value;
        }
        return;
    }
    // A setter further up the prototype chain takes the assignment.
    Object* o = object->Proto().get();
    for (int i = 0; o && i < MaxProtoChain; ++i, o = o->Proto().get()) {
        Property* p = o->FindOwn(name);
        if (p && p->Setter) {
            Value args[] = {value};
            CallFrom(Value(p->Setter), target, args, o->shared_from_this());
            return;
        }
        // An accessor without a setter up the chain makes the name read-only.
        if (p && p->Getter)
            return;
        if (p)
            break;
    }
    object->Put(name, value);
}

Value Vm::Call(const Value& function, const Value& thisValue, std::span<const Value> args) {
    if (!function.IsObject() || !function.Object()->Callable())
        return {};
    DepthGuard guard(*this);
    ObjectPtr keep = function.Object();
    return keep->Call(*this, thisValue, args);
}

Value Vm::CallFrom(const Value& function, const Value& thisValue, std::span<const Value> args,
                   const ObjectPtr& home) {
    auto script = function.IsObject() ? dynamic_cast<ScriptFunction*>(function.Object().get()) : nullptr;
    if (!script)
        return Call(function, thisValue, args);
    DepthGuard guard(*this);
    ObjectPtr keep = function.Object();
    return CallScript(*script, thisValue, args, home);
}

Value Vm::CallMethod(const Value& object, const std::string& name, std::span<const Value> args) {
    ObjectPtr holder;
    Value f = GetMember(object, name, &holder);
    return CallFrom(f, object, args, holder);
}

Value Vm::Construct(const Value& function, std::span<const Value> args) {
    if (!function.IsObject() || !function.Object()->Callable())
        return {};
    const ObjectPtr& f = function.Object();
    Value prototype = GetMember(function, "prototype");
    ObjectPtr instance = NewObject(prototype.IsObject() ? prototype.Object() : Protos.Object);
    instance->Put("__constructor__", function, DontEnum);
    if (version_ < 7)
        instance->Put("constructor", function, DontEnum);
    DepthGuard guard(*this);
    Value result;
    if (auto native = dynamic_cast<NativeFunction*>(f.get()); native && native->Constructor()) {
        result = native->Constructor()(*this, Value(instance), args);
        // A built-in class that refuses its arguments makes nothing.
        if (result.IsNull())
            return {};
    } else if (auto script = dynamic_cast<ScriptFunction*>(f.get())) {
        result = CallScript(*script, Value(instance), args, instance->Proto());
    } else {
        result = f->Call(*this, Value(instance), args);
    }
    return result.IsObject() ? result : Value(instance);
}

bool Vm::InstanceOf(const Value& v, const Value& constructor) {
    if (!v.IsObject() || !constructor.IsObject())
        return false;
    Value prototype = GetMember(constructor, "prototype");
    if (!prototype.IsObject())
        return false;
    ObjectPtr o = v.Object()->Proto();
    for (int i = 0; o && i < MaxProtoChain; ++i, o = o->Proto()) {
        if (o == prototype.Object())
            return true;
        // Interfaces a class implements count too.
        Value implemented = o->FindOwn("__implements__") ? o->FindOwn("__implements__")->Data : Value();
        if (auto list =
                implemented.IsObject() ? dynamic_cast<ArrayObject*>(implemented.Object().get()) : nullptr)
            for (const Value& i2 : list->Elements)
                if (i2 == constructor)
                    return true;
    }
    return false;
}

std::vector<std::string> Vm::EnumerableNames(const ObjectPtr& object) {
    // An object hides its prototypes' names, but the plug-in lists the
    // furthest prototype's names first, each object's newest first.
    std::vector<std::vector<std::string>> levels;
    std::set<std::string> seen;
    Object* o = object.get();
    for (int i = 0; o && i < MaxProtoChain; ++i, o = o->Proto().get()) {
        std::vector<std::string>& names = levels.emplace_back();
        std::vector<std::string> computed;
        o->ComputedKeys(computed);
        for (auto& n : computed)
            if (seen.insert(n).second)
                names.push_back(n);
        for (const Property* p : o->OwnProperties()) {
            std::string key = p->Name;
            if (!CaseSensitive())
                for (char& c : key)
                    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (seen.insert(key).second && !(p->Flags & DontEnum))
                names.push_back(p->Name);
        }
    }
    std::vector<std::string> names;
    for (auto level = levels.rbegin(); level != levels.rend(); ++level)
        names.insert(names.end(), level->begin(), level->end());
    return names;
}

// ---- conversions ----

Value Vm::ValueOf(const Value& v) {
    Value f = GetMember(v, "valueOf");
    return f.IsObject() && f.Object()->Callable() ? Call(f, v, {}) : Value();
}

Value Vm::ToPrimitive(const Value& v, bool preferString) {
    if (!v.IsObject())
        return v;
    const ObjectPtr& o = v.Object();
    // A removed clip with nothing at its path reads as empty text.
    if (dynamic_cast<ClipObject*>(o.get()) && !TimelineOf(v))
        return Value(std::string());
    // Without a hint only valueOf counts: an object without one is
    // undefined. An object it returns, or the string hint, go to toString.
    if (!preferString) {
        Value r = ValueOf(v);
        if (!r.IsObject())
            return r;
    }
    if (Timeline* t = TimelineOf(v))
        return Value(static_cast<ClipObject&>(*ClipObjectFor(*t)).TargetPath());
    Value f = GetMember(v, "toString");
    if (f.IsObject() && f.Object()->Callable()) {
        Value r = Call(f, v, {});
        if (!r.IsObject())
            return r;
    }
    return Value(o->Callable() ? "[type Function]" : "[type Object]");
}

double Vm::ToNumber(const Value& v) {
    // A movie clip is no number, whatever its valueOf says.
    if (TimelineOf(v))
        return std::nan("");
    if (v.IsObject()) {
        Value p = ToPrimitive(v);
        return p.IsObject() ? std::nan("") : PrimitiveToNumber(p, version_);
    }
    return PrimitiveToNumber(v, version_);
}

std::string Vm::ToString(const Value& v) {
    if (v.IsObject())
        return PrimitiveToString(ToPrimitive(v, true), version_);
    return PrimitiveToString(v, version_);
}

ObjectPtr Vm::ToObject(const Value& v) {
    if (v.IsObject())
        return v.Object();
    if (v.IsNullish())
        return nullptr;
    ObjectPtr proto = v.IsString() ? Protos.String : v.IsNumber() ? Protos.Number : Protos.Boolean;
    ObjectPtr o = NewObject(proto);
    o->Primitive = v;
    // A string's object has its length as a property of its own (with
    // ("text") { length } reads it).
    if (v.IsString())
        o->Put("length", double(TextLength(v.String())), DontEnum);
    return o;
}

// ---- running code ----

Activation Vm::FrameActivation(const ObjectPtr& clip) {
    Activation a;
    a.Scopes = {clip};
    a.This = Value(clip);
    a.Target = clip;
    a.Home = clip;
    a.Version = version_;
    return a;
}

Value Vm::Run(std::span<const uint8_t> code, Activation& activation) {
    // Which movie's code runs, for what depends on that movie's version.
    struct Running {
        const Dictionary*& Movie;
        const Dictionary* Saved;
        ~Running() { Movie = Saved; }
    } running{running_, running_};
    if (Timeline* home = TimelineOf(Value(activation.Home)))
        running_ = &home->Characters();
    Interpreter interpreter(*this, activation);
    return interpreter.Run(code);
}

Value Vm::CallScript(ScriptFunction& f, const Value& thisValue, std::span<const Value> args,
                     const ObjectPtr& home) {
    const FunctionCode& code = f.Code;
    Activation a;
    a.Version = version_;
    a.Scopes = f.Scopes;
    a.Locals = NewObject(nullptr);
    a.Scopes.push_back(a.Locals);
    a.Home = f.Target;
    a.Target = f.Target;
    a.This = thisValue.IsNullish() ? Value(f.Target) : thisValue;
    a.Callee = std::static_pointer_cast<Object>(f.shared_from_this());
    a.Constants = code.Constants;
    if (code.Version2)
        a.Registers.assign(std::max<size_t>(code.RegisterCount, 1), Value());
    ObjectPtr arguments = NewArray({args.begin(), args.end()});
    arguments->Put("callee", Value(a.Callee), DontEnum);
    // `super`: the prototypes above the one the function was found on
    // (without one, above the one `this` inherits from).
    ObjectPtr base = home ? home->Proto() : nullptr;
    if (!home && a.This.IsObject())
        if (ObjectPtr p = a.This.Object()->Proto())
            base = p->Proto();
    Value superValue;
    if (base) {
        // super() runs the constructor the class was made with (extends
        // and `new` of the parent leave it on the prototype).
        const Property* ctor = home ? home->FindOwn("__constructor__") : nullptr;
        if (!ctor)
            ctor = base->FindOwn("constructor");
        superValue = Value(Make<SuperObject>(base, a.This, ctor ? ctor->Data : Value()));
    }
    // DefineFunction2 puts what it preloads in registers, from 1 on, and
    // leaves out of its variables both what it preloads and what it
    // suppresses; suppressing wins over preloading.
    uint16_t flags = code.Version2 ? code.Flags : 0;
    uint8_t next = 1;
    auto preload = [&](uint16_t flag, const Value& v) {
        if ((flags & flag) && next < a.Registers.size())
            a.Registers[next++] = v;
    };
    auto give = [&](const char* name, uint16_t preloadFlag, uint16_t suppressFlag, const Value& v) {
        if (flags & suppressFlag)
            return;
        preload(preloadFlag, v);
        if (!(flags & preloadFlag) && !v.IsUndefined())
            a.Locals->Put(name, v);
    };
    give("this", fflag::PreloadThis, fflag::SuppressThis, a.This);
    give("arguments", fflag::PreloadArguments, fflag::SuppressArguments, Value(arguments));
    give("super", fflag::PreloadSuper, fflag::SuppressSuper, superValue);
    Timeline* clip = TimelineOf(Value(f.Target));
    preload(fflag::PreloadRoot, clip    ? Value(ClipObject::RootOf(*this, *clip))
                                : root_ ? Value(ClipObjectFor(*root_))
                                        : Value());
    preload(fflag::PreloadParent, clip && clip->Parent() ? Value(ClipObjectFor(*clip->Parent())) : Value());
    preload(fflag::PreloadGlobal, Value(global_));
    for (size_t i = 0; i < code.Parameters.size(); ++i) {
        Value v = i < args.size() ? args[i] : Value();
        uint8_t r = code.Parameters[i].Register;
        if (code.Version2 && r != 0 && r < a.Registers.size())
            a.Registers[r] = v;
        else
            a.Locals->Put(code.Parameters[i].Name, v);
    }
    return Run(code.Body, a);
}

Value NativeFunction::Call(Vm& vm, const Value& thisValue, std::span<const Value> args) {
    return call_ ? call_(vm, thisValue, args) : Value();
}

void NativeFunction::DropReferences() {
    Object::DropReferences();
    call_ = nullptr;
    construct_ = nullptr;
}

Value ScriptFunction::Call(Vm& vm, const Value& thisValue, std::span<const Value> args) {
    return vm.CallScript(*this, thisValue, args);
}

void ScriptFunction::DropReferences() {
    Object::DropReferences();
    Scopes.clear();
    Target.reset();
}

} // namespace swf::script
