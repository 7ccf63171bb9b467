#include "swf/Timeline.h"
#include "swf/script/Builtins.h"
#include "swf/script/ClipLifetime.h"
#include "swf/script/ClipObject.h"
#include "swf/script/FrameArgument.h"
#include "swf/script/Loading.h"
#include "swf/script/Scope.h"
#include "swf/script/Vm.h"

#include <algorithm>
#include <cmath>

namespace swf::script::builtins {
namespace {

void Goto(Vm& vm, const Value& self, std::span<const Value> args, bool play) {
    Timeline* t = vm.TimelineOf(self);
    if (!t)
        return;
    FramePath frame = SplitFramePath(Arg(args, 0));
    if (frame.Path) {
        // "path:frame" moves the clip the path names from this one.
        Activation a = vm.FrameActivation(self.Object());
        t = vm.TimelineOf(Value(Scope(vm, a).ResolvePath(*frame.Path)));
        if (!t)
            return;
    }
    if (auto index = FrameIndex(vm, *t, frame.Frame))
        t->GotoFrame(*index);
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

// The clip's depth argument: none for a value no depth comes from.
std::optional<int32_t> DepthArgument(Vm& vm, const Value& v) {
    return v.IsUndefined() ? std::nullopt : ListDepth(vm.ToNumber(v));
}

void InstallDepthMethods(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "getDepth", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        Timeline* t = vm.TimelineOf(self);
        return t && t->Parent() ? Value(ScriptDepth(t->Depth())) : Value();
    });
    vm.Method(
        proto, "createEmptyMovieClip", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            Timeline* t = vm.TimelineOf(self);
            auto depth = DepthArgument(vm, Arg(args, 1));
            return t && depth ? CreateClip(vm, *t, vm.ToString(Arg(args, 0)), *depth, 0) : Value();
        });
    vm.Method(proto, "attachMovie", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Timeline* t = vm.TimelineOf(self);
        if (!t)
            return {};
        std::optional<uint16_t> id = vm.ExportedId(t->Characters(), vm.ToString(Arg(args, 0)));
        auto depth = DepthArgument(vm, Arg(args, 2));
        if (!id || !depth)
            return {};
        return CreateClip(vm, *t, vm.ToString(Arg(args, 1)), *depth, *id, Arg(args, 3));
    });
    vm.Method(proto, "getInstanceAtDepth",
              [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  Timeline* t = vm.TimelineOf(self);
                  auto depth = DepthArgument(vm, Arg(args, 0));
                  if (!t || !depth)
                      return {};
                  auto found = t->Objects().find(*depth);
                  if (found == t->Objects().end() || !found->second.Clip)
                      return {};
                  return vm.ClipObjectFor(*found->second.Clip);
              });
    vm.Method(proto, "getNextHighestDepth", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        Timeline* t = vm.TimelineOf(self);
        return t ? Value(NextHighestDepth(*t)) : Value();
    });
    vm.Method(proto, "duplicateMovieClip",
              [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  Timeline* t = vm.TimelineOf(self);
                  auto depth = DepthArgument(vm, Arg(args, 1));
                  if (!t || !depth)
                      return {};
                  return DuplicateClip(vm, *t, vm.ToString(Arg(args, 0)), *depth, Arg(args, 2));
              });
    vm.Method(proto, "removeMovieClip", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        Timeline* t = vm.TimelineOf(self);
        DisplayObject* object = t ? t->Self() : nullptr;
        if (object && object->Dynamic)
            t->Parent()->Remove(t->Depth());
        return {};
    });
    vm.Method(proto, "swapDepths", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Timeline* t = vm.TimelineOf(self);
        if (!t || !t->Parent() || !t->Self())
            return {};
        Value other = Arg(args, 0);
        std::optional<int32_t> to;
        if (Timeline* o = ClipArgument(vm, self, other))
            to = o->Parent() == t->Parent() ? std::optional(o->Depth()) : std::nullopt;
        else
            to = DepthArgument(vm, other);
        if (to)
            t->Parent()->SwapDepths(t->Depth(), *to);
        return {};
    });
}

} // namespace

void InstallMovieClip(Vm& vm) {
    vm.Protos.MovieClip = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.MovieClip;
    ObjectPtr ctor =
        vm.NewClass(proto, [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
    InstallClipLoadMethods(vm, proto);
    InstallClipDrawing(vm, proto);
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
    InstallClipGeometry(vm, proto);
    vm.Method(proto, "getBytesLoaded",
              [](Vm&, const Value&, std::span<const Value>) -> Value { return 1.0; });
    vm.Method(proto, "getBytesTotal", [](Vm&, const Value&, std::span<const Value>) -> Value { return 1.0; });
    vm.Global()->Put("MovieClip", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
