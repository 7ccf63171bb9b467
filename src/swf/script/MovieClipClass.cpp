#include "swf/Timeline.h"
#include "swf/script/Builtins.h"
#include "swf/script/ClipObject.h"
#include "swf/script/Vm.h"

#include <algorithm>
#include <cmath>

namespace swf::script::builtins {
namespace {

// Script depths start at -16384 in the file's numbering.
constexpr int DepthOffset = 16384;

std::optional<uint32_t> FrameOf(Vm& vm, Timeline& t, const Value& frame) {
    double n = frame.IsString() ? StringToNumber(frame.String(), vm.Version()) : vm.ToNumber(frame);
    if (std::isfinite(n))
        return n >= 1 ? std::optional<uint32_t>(static_cast<uint32_t>(std::min(n, 1e9)) - 1) : std::nullopt;
    return frame.IsString() ? t.FindLabel(frame.String()) : std::nullopt;
}

void Goto(Vm& vm, const Value& self, std::span<const Value> args, bool play) {
    Timeline* t = vm.TimelineOf(self);
    if (!t)
        return;
    if (auto frame = FrameOf(vm, *t, Arg(args, 0)))
        t->GotoFrame(*frame);
    if (play)
        t->Play();
    else
        t->Stop();
}

using TimelineAction = void (*)(Timeline&);

void Control(Vm& vm, const ObjectPtr& proto, const char* name, TimelineAction f) {
    vm.Method(proto, name, [f](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        if (Timeline* t = vm.TimelineOf(self))
            f(*t);
        return {};
    });
}

Value Create(Vm& vm, Timeline& parent, const std::string& name, double depth, uint16_t id) {
    if (!std::isfinite(depth))
        return {};
    auto d = static_cast<uint16_t>(static_cast<int32_t>(depth) + DepthOffset);
    DisplayObject* made = parent.AttachSprite(d, id, name);
    return made && made->Clip ? Value(vm.ClipObjectFor(*made->Clip)) : Value();
}

// The initObject of attachMovie and duplicateMovieClip.
void CopyProperties(Vm& vm, const Value& from, const Value& to) {
    if (!from.IsObject() || !to.IsObject())
        return;
    for (const std::string& name : vm.EnumerableNames(from.Object()))
        vm.SetMember(to, name, vm.GetMember(from, name));
}

void InstallDepthMethods(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "getDepth", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        Timeline* t = vm.TimelineOf(self);
        return t && t->Parent() ? Value(double(int(t->Depth()) - DepthOffset)) : Value();
    });
    vm.Method(
        proto, "createEmptyMovieClip", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            Timeline* t = vm.TimelineOf(self);
            return t ? Create(vm, *t, vm.ToString(Arg(args, 0)), vm.ToNumber(Arg(args, 1)), 0) : Value();
        });
    vm.Method(proto, "attachMovie", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Timeline* t = vm.TimelineOf(self);
        auto id = vm.ExportedId(vm.ToString(Arg(args, 0)));
        if (!t || !id)
            return {};
        Value made = Create(vm, *t, vm.ToString(Arg(args, 1)), vm.ToNumber(Arg(args, 2)), *id);
        CopyProperties(vm, Arg(args, 3), made);
        return made;
    });
    vm.Method(proto, "getNextHighestDepth", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        Timeline* t = vm.TimelineOf(self);
        if (!t)
            return {};
        int next = 0;
        if (!t->Objects().empty())
            next = std::max(0, int(t->Objects().rbegin()->first) - DepthOffset + 1);
        return double(next);
    });
    vm.Method(proto, "duplicateMovieClip",
              [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  Timeline* t = vm.TimelineOf(self);
                  DisplayObject* source = t ? t->Self() : nullptr;
                  if (!source)
                      return {};
                  Matrix transform = source->Transform;
                  ColorTransform colors = source->Colors;
                  Value made = Create(vm, *t->Parent(), vm.ToString(Arg(args, 0)), vm.ToNumber(Arg(args, 1)),
                                      source->CharacterId);
                  CopyProperties(vm, Arg(args, 2), made);
                  if (Timeline* copy = vm.TimelineOf(made)) {
                      copy->Self()->Transform = transform;
                      copy->Self()->Colors = colors;
                  }
                  return made;
              });
    vm.Method(proto, "removeMovieClip", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        Timeline* t = vm.TimelineOf(self);
        DisplayObject* object = t ? t->Self() : nullptr;
        if (object && object->Dynamic)
            t->Parent()->Objects().erase(t->Depth());
        return {};
    });
    vm.Method(proto, "swapDepths", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Timeline* t = vm.TimelineOf(self);
        if (!t || !t->Parent() || !t->Self())
            return {};
        Value other = Arg(args, 0);
        uint16_t to;
        if (Timeline* o = vm.TimelineOf(other); o && o->Parent() == t->Parent())
            to = o->Depth();
        else if (double d = vm.ToNumber(other); std::isfinite(d))
            to = static_cast<uint16_t>(static_cast<int32_t>(d) + DepthOffset);
        else
            return {};
        t->Parent()->SwapDepths(t->Depth(), to);
        return {};
    });
}

} // namespace

void InstallMovieClip(Vm& vm) {
    vm.Protos.MovieClip = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.MovieClip;
    ObjectPtr ctor =
        vm.NewClass(proto, [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
    Control(vm, proto, "play", [](Timeline& t) { t.Play(); });
    Control(vm, proto, "stop", [](Timeline& t) { t.Stop(); });
    Control(vm, proto, "nextFrame", [](Timeline& t) {
        t.GotoFrame(t.CurrentFrame() + 1);
        t.Stop();
    });
    Control(vm, proto, "prevFrame", [](Timeline& t) {
        if (t.CurrentFrame() > 0)
            t.GotoFrame(t.CurrentFrame() - 1);
        t.Stop();
    });
    vm.Method(proto, "gotoAndPlay", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Goto(vm, self, args, true);
        return {};
    });
    vm.Method(proto, "gotoAndStop", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Goto(vm, self, args, false);
        return {};
    });
    InstallDepthMethods(vm, proto);
    vm.Method(proto, "getBytesLoaded",
              [](Vm&, const Value&, std::span<const Value>) -> Value { return 1.0; });
    vm.Method(proto, "getBytesTotal", [](Vm&, const Value&, std::span<const Value>) -> Value { return 1.0; });
    vm.Global()->Put("MovieClip", Value(ctor), DontEnum);
}

void InstallStage(Vm& vm) {
    ObjectPtr stage = vm.NewObject();
    stage->Put("scaleMode", "showAll", DontEnum);
    stage->Put("align", "", DontEnum);
    vm.Global()->Put("Stage", Value(stage), DontEnum);
}

} // namespace swf::script::builtins
