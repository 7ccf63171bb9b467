#pragma once

#include "swf/FontProvider.h"
#include "swf/MovieLoader.h"
#include "swf/Timeline.h"
#include "swf/script/Activation.h"
#include "swf/script/ClipObject.h"
#include "swf/script/DateTime.h"
#include "swf/script/Function.h"
#include "swf/script/Object.h"

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <unordered_map>

namespace swf::sound {
class MovieSound;
}

namespace swf::script {

// A value thrown by a script (throw, or an error of the engine's classes),
// on its way to a catch.
struct ScriptThrow {
    Value Thrown;
};

// A script stopped by the engine: too long, too deep, or damaged code.
class ScriptAbort : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The ActionScript 1/2 engine of one movie: the global object and the
// built-in classes, the movie clips' script objects, the queue of action
// blocks the timelines bring, and the limits that keep scripts from hanging
// or crashing the player.
class Vm : public TimelineEvents {
public:
    static constexpr int MaxCallDepth = 256;
    static constexpr int MaxProtoChain = 256;
    // Levels are numbered up to this (loadMovieNum).
    static constexpr int MaxLevel = 0x7FFF;
    // A script that runs longer than this is stopped, and so are the other
    // scripts of that tick.
    std::chrono::milliseconds TimeLimit{4000};

    explicit Vm(int version);
    ~Vm() override;
    Vm(const Vm&) = delete;
    Vm& operator=(const Vm&) = delete;

    int Version() const { return version_; }
    bool CaseSensitive() const { return version_ >= 7; }
    void SetRoot(Timeline* root);
    // A movie that plays here (the first one, or one loaded later): the
    // symbols it exports by name (ExportAssets), for attachMovie and the
    // classes scripts link to them, and its version. A movie is known by its
    // dictionary; the first movie's exports are the default.
    void AddMovie(const Movie& movie);
    std::optional<uint16_t> ExportedId(const std::string& name) const;
    std::optional<uint16_t> ExportedId(const Dictionary& movie, const std::string& name) const;
    // The name a movie exports a character by, empty when it has none.
    std::string ExportName(const Dictionary& movie, uint16_t id) const;
    // Object.registerClass: constructors by symbol name (without case
    // before SWF 7); null takes the link away.
    // The link is made by the running code's movie, looked up for the
    // movie that defines the symbol.
    void RegisterClass(const std::string& symbol, const ObjectPtr& constructor);
    ObjectPtr RegisteredClass(const Dictionary& movie, const std::string& symbol) const;
    Timeline* Root() const { return root_; }
    // The characters of the movie whose code is running (the first
    // movie's between scripts); null before a movie plays.
    const Dictionary* RunningMovie() const { return running_ ? running_ : firstMovie_; }
    // trace() output, one line per call, and messages about stopped scripts.
    std::function<void(const std::string&)> OnTrace;
    std::function<void(const std::string&)> OnError;
    // The clock and zone Date reads.
    DateClock Clock;
    // The movie's stage in pixels, as Stage.width and height tell it.
    double StageWidth = 0, StageHeight = 0;

    // TimelineEvents
    void FrameActions(Timeline& timeline, std::span<const uint8_t> actions) override;
    void InitActions(Timeline& timeline, uint16_t spriteId, std::span<const uint8_t> actions) override;
    void Removed(Timeline& timeline) override;
    void Placed(Timeline& clip, std::span<const uint8_t> clipActions) override;
    bool Unloading(Timeline& clip) override;

    // fscommand("quit"): the movie's scripts end with the one running.
    void Quit() { quit_ = true; }
    // Runs the queued action blocks, and those they queue, in order.
    void RunQueue();
    // Local files scripts load (none: every load fails), and the handing
    // over of what loads brought, once a tick.
    std::unique_ptr<MovieLoader> Loader;
    void RunLoads();
    // Levels above the movie's own (level 0), kept by the player: the one
    // at a number, and a movie put on a level (null: the level goes; level
    // 0 replaces the movie). Unset: there are none.
    std::function<Timeline*(int level)> LevelAt;
    std::function<Timeline*(int level, const std::shared_ptr<const Movie>& movie)> PlayOnLevel;
    // The next clip placed at this parent and depth gets this (detached)
    // clip object: a movie loaded into a clip keeps the clip's identity.
    void ReuseClipObject(const ObjectPtr& clip, Timeline* parent, int32_t depth);
    // Start of a tick: onEnterFrame handlers and due intervals.
    void EnterFrame();

    // Input, queued for the clips' event handlers and the Mouse and Key
    // listeners; RunQueue runs them. Positions are stage twips.
    void MouseMove(double x, double y);
    void MouseButton(bool down);
    void Key(bool down, uint32_t keyCode, uint32_t character);
    // Mouse events of buttons and of clips with mouse handlers (VmMouse.cpp).
    // A clip takes the mouse when it has press, release or roll handlers.
    bool ClipTakesMouse(Timeline& clip);
    // The clip's events of one kind and its method of that name.
    void ClipMouseEvent(Timeline& clip, uint32_t clipEvent, const char* method);
    // A named button's method, run with the button as `this`.
    void ButtonMouseEvent(Timeline& parent, DisplayObject& button, const char* method);
    // A button's own script object, made when first asked for.
    ObjectPtr ButtonObject(DisplayObject& button);
    // A property of the button's script object, or its class's default.
    Value ButtonProperty(DisplayObject& button, const char* name);
    // startDrag and stopDrag: the clip follows the pointer, its position
    // kept within the box (pixels of its parent) when there is one.
    struct DragBox {
        double Left, Top, Right, Bottom;
    };
    void StartDrag(const ObjectPtr& clip, bool lockCenter, std::optional<DragBox> box);
    void StopDrag();
    void FollowDrag();
    // What the input classes keep: the pointer hidden by Mouse.hide, keys
    // toggled by their presses (Key.isToggled), the clip being dragged and
    // the slash path of the clip it was last over (_droptarget).
    struct InputState {
        bool MouseHidden = false;
        std::set<uint32_t> Toggled;
        struct Drag {
            ObjectPtr Clip;
            std::optional<DragBox> Box;
            double Dx = 0, Dy = 0; // from the pointer to the clip, in its parent
        };
        std::optional<Drag> Dragging;
        std::string DropTarget;
    } Input;
    // The fonts the renderer draws device text with, so that scripts
    // measure text as it is drawn.
    std::shared_ptr<FontProvider> Fonts = std::make_shared<BoxFontProvider>();
    // The movie's sound for the Sound class; null when there is none.
    sound::MovieSound* Sounds = nullptr;
    // Volume and channel mix of each Sound target (null: the whole movie).
    struct SoundMix {
        int32_t Volume = 100, LL = 100, LR = 0, RL = 0, RR = 100;
    };
    std::map<const Object*, SoundMix> SoundMixes;
    double MouseX() const { return mouseX_; }
    double MouseY() const { return mouseY_; }
    bool IsKeyDown(uint32_t keyCode) const { return keysDown_.count(keyCode) != 0; }
    uint32_t LastKeyCode() const { return lastKey_; }
    uint32_t LastCharacter() const { return lastCharacter_; }

    // Objects.
    const ObjectPtr& Global() const { return global_; }
    // Every script object is made here, so that the machine can break the
    // cycles among them when it goes.
    template <class T, class... Args> std::shared_ptr<T> Make(Args&&... args) {
        auto object = std::make_shared<T>(CaseSensitive(), std::forward<Args>(args)...);
        Track(object);
        return object;
    }
    ObjectPtr NewObject();
    ObjectPtr NewObject(const ObjectPtr& proto);
    ObjectPtr NewArray(std::vector<Value> elements = {});
    ObjectPtr NewFunction(NativeCall call, NativeCall construct = {});
    // A constructor with its prototype object linked both ways.
    ObjectPtr NewClass(const ObjectPtr& prototype, NativeCall call, NativeCall construct = {});
    ObjectPtr NewScriptFunction(FunctionCode code, const Activation& where);
    ObjectPtr ClipObjectFor(Timeline& timeline);
    // The timeline a clip value stands for: a removed clip's object finds
    // the clip now at the path it was made at, if any.
    Timeline* TimelineOf(const Value& v) const;
    // The object that answers for this one: a removed clip's object gives
    // way to the clip now at its path (null when there is none); others
    // answer for themselves.
    ObjectPtr Live(const ObjectPtr& object);
    // Declares a built-in: a hidden, non-enumerable method of an object.
    void Method(const ObjectPtr& object, const std::string& name, NativeCall call);

    // Property access, calls and conversions that may run scripts.
    // `holder` gets the object of the chain the property was found on.
    Value GetMember(const Value& object, const std::string& name, ObjectPtr* holder = nullptr);
    // Reads a property from `start` up its prototypes; accessors run on
    // `receiver`. A chain longer than MaxProtoChain stops the script.
    Value Lookup(const ObjectPtr& start, const std::string& name, const Value& receiver, ObjectPtr* holder);
    void SetMember(const Value& object, const std::string& name, const Value& value);
    bool HasMember(const ObjectPtr& object, const std::string& name);
    Value Call(const Value& function, const Value& thisValue, std::span<const Value> args);
    // Calls a function found on `home` (`this` or one of its prototypes):
    // `super` in it stands for the prototypes above `home`.
    Value CallFrom(const Value& function, const Value& thisValue, std::span<const Value> args,
                   const ObjectPtr& home);
    Value CallMethod(const Value& object, const std::string& name, std::span<const Value> args);
    Value Construct(const Value& function, std::span<const Value> args);
    Value ToPrimitive(const Value& v, bool preferString = false);
    // The result of the object's valueOf method, undefined without one.
    Value ValueOf(const Value& v);
    double ToNumber(const Value& v);
    std::string ToString(const Value& v);
    bool ToBoolean(const Value& v) const { return script::ToBoolean(v, version_); }
    ObjectPtr ToObject(const Value& v);
    bool InstanceOf(const Value& v, const Value& constructor);
    // For..in: the enumerable names of the object and its prototypes.
    std::vector<std::string> EnumerableNames(const ObjectPtr& object);

    // Runs a block of actions in an activation; the value of `return`.
    Value Run(std::span<const uint8_t> code, Activation& activation);
    // Calls a script function with its own activation.
    Value CallScript(ScriptFunction& f, const Value& thisValue, std::span<const Value> args,
                     const ObjectPtr& home = nullptr);
    // The activation a clip's own frame actions run in.
    Activation FrameActivation(const ObjectPtr& clip);

    // Counts one action against the time limit; throws ScriptAbort past it.
    void Step();
    // Fails the call past the depth limit.
    struct DepthGuard {
        explicit DepthGuard(Vm& vm);
        ~DepthGuard() { --vm_.depth_; }
        DepthGuard(const DepthGuard&) = delete;
        DepthGuard& operator=(const DepthGuard&) = delete;
        Vm& vm_;
    };

    void Trace(const std::string& line);
    // Time for getTimer and intervals: the real time since the movie
    // started, but at least the frames played so far at the frame rate, so
    // that a movie played faster than real time (swfrender) keeps its
    // timers in step with its frames.
    double MillisecondsSinceStart() const;
    double FrameMilliseconds = 1000.0 / 12;

    // setInterval / clearInterval.
    int AddInterval(Value function, Value thisValue, std::string method, std::vector<Value> args, double ms,
                    bool once);
    void ClearInterval(int id);

    struct Prototypes {
        ObjectPtr Object, Function, Array, String, Number, Boolean, MovieClip, Date, Error, Color, TextField,
            Sound, Xml, XmlNode, LoadVars, Button;
        ObjectPtr Point, Rectangle, Matrix, ColorTransform, Transform, BitmapData;
        ObjectPtr TextFormat;
    } Protos;

private:
    struct Queued {
        ObjectPtr Clip;
        std::span<const uint8_t> Actions;
        Value Handler;                   // a function to call on the clip instead of actions
        Value This = {};                 // what the handler is called on, when not the clip
        std::function<void()> Task = {}; // engine work in its turn, instead of both
    };
    struct Interval {
        Value Function, This;
        std::string Method;
        std::vector<Value> Args;
        double Ms = 0, Due = 0;
        bool Once = false;
    };

    void InstallBuiltins();
    Value Resolve(const ObjectPtr& start, const std::string& name, const Value& receiver);
    ClipObject::Origin OriginOf(Timeline& timeline) const;
    Timeline* Relocate(const ClipObject& clip) const;
    void Track(const ObjectPtr& object);
    void RunOne(const Queued& item);
    void RunGuarded(const std::function<void()>& work, const std::string& where);
    void CollectEnterFrame(Timeline& timeline, std::vector<ObjectPtr>& clips);
    void QueueEnterFrame();
    void QueueUnload(Timeline& clip);
    // Queues an event for every clip (its handlers and its method) and the
    // listeners of a broadcaster.
    void Broadcast(uint32_t clipEvent, const std::string& method, const char* broadcaster, uint8_t key = 0);
    // Queues the clip's handlers of an event (early: before queued frame
    // actions).
    void QueueClipEvent(const ObjectPtr& clip, uint32_t event, bool early);
    // A placed clip's construction: its class's prototype, its construct
    // events, then its class's constructor.
    void Construct(const std::shared_ptr<ClipObject>& clip);
    std::string ClassKey(const std::string& symbol, int version) const;
    void RunIntervals();

    int version_;
    Timeline* root_ = nullptr;
    ObjectPtr global_;
    struct Reuse {
        std::shared_ptr<ClipObject> Clip;
        Timeline* Parent = nullptr;
        int32_t Depth = 0;
    } reuse_;
    std::deque<Queued> queue_;
    std::deque<Queued> inits_;        // init actions, ahead of everything
    std::deque<Queued> early_;        // initialize events, ahead of the queue
    std::deque<Queued> constructs_;   // construct events, after all initialize events
    std::vector<ObjectPtr> entering_; // clips there at the start of the tick
    std::unordered_map<const Timeline*, std::shared_ptr<ClipObject>> clips_;
    std::vector<std::weak_ptr<Object>> objects_;
    size_t sweepAt_ = 1024;
    std::set<uint16_t> initDone_;
    struct MovieFacts {
        std::map<std::string, uint16_t> Exports;
        int Version = 0;
    };
    // The version of the movie whose code runs, or whose clip is made.
    int MovieVersion(const Dictionary* movie) const;
    void LimitRecursion(const Movie& movie);
    std::map<const Dictionary*, MovieFacts> movies_;
    const Dictionary* firstMovie_ = nullptr;
    const Dictionary* running_ = nullptr; // the movie of the code running
    std::map<std::string, ObjectPtr> classes_;
    std::map<int, Interval> intervals_;
    int nextInterval_ = 1;
    int depth_ = 0;
    int maxCallDepth_ = MaxCallDepth;
    double mouseX_ = 0, mouseY_ = 0;
    std::set<uint32_t> keysDown_;
    uint32_t lastKey_ = 0, lastCharacter_ = 0;
    uint64_t frames_ = 0;
    uint32_t steps_ = 0;
    bool aborted_ = false;
    bool quit_ = false;
    std::chrono::steady_clock::time_point deadline_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace swf::script
