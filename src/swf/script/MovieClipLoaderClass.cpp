#include "swf/script/Builtins.h"
#include "swf/script/Loading.h"
#include "swf/script/Scope.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {
namespace {

// Events go out through the loader's own broadcastMessage, which a movie
// may replace, to the listeners (the loader itself among them).
void Tell(Vm& vm, const Value& loader, const char* event, std::vector<Value> args) {
    args.insert(args.begin(), Value(event));
    vm.CallMethod(loader, "broadcastMessage", args);
}

// The clip a loader's target names: a clip, a level number, or a path
// from the root.
ObjectPtr TargetClip(Vm& vm, const Value& target) {
    if (target.IsNullish() || !vm.Root())
        return nullptr;
    if (target.IsObject())
        return vm.TimelineOf(target) ? target.Object() : nullptr;
    if (target.IsNumber()) {
        auto level = LevelOf(vm, target);
        Timeline* t = !level ? nullptr : *level == 0 ? vm.Root() : vm.LevelAt ? vm.LevelAt(*level) : nullptr;
        return t ? vm.ClipObjectFor(*t) : nullptr;
    }
    Activation a = vm.FrameActivation(vm.ClipObjectFor(*vm.Root()));
    Scope scope(vm, a);
    ObjectPtr clip = scope.ResolveTarget(target);
    return clip && vm.TimelineOf(Value(clip)) ? clip : nullptr;
}

Value LoadClip(Vm& vm, const Value& self, std::span<const Value> args) {
    ObjectPtr clip = TargetClip(vm, Arg(args, 1));
    if (!clip || args.empty())
        return false;
    LoadReport report;
    report.Arrived = [&vm, self](const ObjectPtr& clip, size_t bytes) {
        Tell(vm, self, "onLoadStart", {Value(clip)});
        Tell(vm, self, "onLoadProgress", {Value(clip), double(bytes), double(bytes)});
        Tell(vm, self, "onLoadComplete", {Value(clip), 0.0});
    };
    report.Initialized = [&vm, self](const ObjectPtr& clip) { Tell(vm, self, "onLoadInit", {Value(clip)}); };
    report.Failed = [&vm, self](const ObjectPtr& clip) {
        Tell(vm, self, "onLoadError", {Value(clip), Value("URLNotFound"), 0.0});
    };
    return LoadMovieInto(vm, clip, vm.ToString(args[0]), report);
}

// How much of the target's movie has arrived: all of it, once it plays.
Value Progress(Vm& vm, const Value&, std::span<const Value> args) {
    Value target = Arg(args, 0);
    if (target.IsNullish() || (target.IsObject() && !vm.TimelineOf(target)))
        return {};
    ObjectPtr clip = TargetClip(vm, target);
    Timeline* t = clip ? vm.TimelineOf(Value(clip)) : nullptr;
    auto bytes = t && vm.Loader ? vm.Loader->LoadedBytes(t) : std::nullopt;
    ObjectPtr progress = vm.NewObject();
    Value count = bytes ? Value(double(*bytes)) : Value();
    progress->Put("bytesLoaded", count);
    progress->Put("bytesTotal", count);
    return Value(progress);
}

} // namespace

void InstallMovieClipLoader(Vm& vm) {
    ObjectPtr proto = vm.NewObject();
    ObjectPtr ctor = vm.NewClass(
        proto, [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; },
        [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
            MakeBroadcaster(vm, self.Object());
            Value listener[] = {self};
            vm.CallMethod(self, "addListener", listener);
            return self;
        });
    vm.Method(proto, "loadClip", LoadClip);
    vm.Method(proto, "unloadClip", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        ObjectPtr clip = TargetClip(vm, Arg(args, 0));
        return clip && LoadMovieInto(vm, clip, "");
    });
    vm.Method(proto, "getProgress", Progress);
    vm.Global()->Put("MovieClipLoader", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
