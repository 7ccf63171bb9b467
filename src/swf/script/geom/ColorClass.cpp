#include "swf/Timeline.h"
#include "swf/script/Builtins.h"
#include "swf/script/Scope.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomClasses.h"
#include "swf/script/geom/GeomSupport.h"

#include <cmath>

namespace swf::script::geom {
namespace {

using builtins::Arg;

// The clip a Color works on: its target, a clip or the path its text
// names from the root, looked up again at every call.
DisplayObject* TargetOf(Vm& vm, const Value& color) {
    Value target = vm.GetMember(color, "target");
    Timeline* timeline = vm.TimelineOf(target);
    if (!timeline && !target.IsNullish() && vm.Root()) {
        Activation a = vm.FrameActivation(vm.ClipObjectFor(*vm.Root()));
        Scope scope(vm, a);
        if (ObjectPtr clip = scope.ResolveTarget(Value(vm.ToString(target))))
            timeline = vm.TimelineOf(Value(clip));
    }
    return timeline ? timeline->Self() : nullptr;
}

// The plug-in keeps multipliers in signed 8.8 fixed point (128% wraps to
// -128%) and offsets whole.
float Multiplier(double percent) {
    if (!std::isfinite(percent))
        return 0.0f;
    auto fixed = static_cast<int16_t>(ToInt32(std::trunc(percent * 256 / 100)));
    return float(fixed) / 256;
}
float Offset(double d) { return std::isfinite(d) ? float(std::trunc(d)) : 0.0f; }

Value SetRgb(Vm& vm, const Value& self, std::span<const Value> args) {
    DisplayObject* placed = TargetOf(vm, self);
    if (!placed)
        return {};
    auto rgb = static_cast<uint32_t>(ToInt32(vm.ToNumber(Arg(args, 0))));
    ColorTransform& c = placed->Colors;
    c.MulR = c.MulG = c.MulB = 0;
    c.AddR = float((rgb >> 16) & 0xFF);
    c.AddG = float((rgb >> 8) & 0xFF);
    c.AddB = float(rgb & 0xFF);
    return {};
}

Value GetRgb(Vm& vm, const Value& self, std::span<const Value>) {
    DisplayObject* placed = TargetOf(vm, self);
    if (!placed)
        return {};
    const ColorTransform& c = placed->Colors;
    auto channel = [](float offset) { return static_cast<int32_t>(offset) & 0xFF; };
    return double((channel(c.AddR) << 16) | (channel(c.AddG) << 8) | channel(c.AddB));
}

// Only the members the object has change.
Value SetTransform(Vm& vm, const Value& self, std::span<const Value> args) {
    DisplayObject* placed = TargetOf(vm, self);
    Value t = Arg(args, 0);
    if (!placed || !t.IsObject())
        return {};
    ColorTransform& c = placed->Colors;
    struct Field {
        const char* Name;
        float ColorTransform::*Member;
        bool IsMultiplier;
    };
    static const Field fields[] = {
        {"ra", &ColorTransform::MulR, true}, {"rb", &ColorTransform::AddR, false},
        {"ga", &ColorTransform::MulG, true}, {"gb", &ColorTransform::AddG, false},
        {"ba", &ColorTransform::MulB, true}, {"bb", &ColorTransform::AddB, false},
        {"aa", &ColorTransform::MulA, true}, {"ab", &ColorTransform::AddA, false},
    };
    for (const Field& f : fields) {
        if (!vm.HasMember(t.Object(), f.Name))
            continue;
        double d = vm.ToNumber(vm.GetMember(t, f.Name));
        c.*f.Member = f.IsMultiplier ? Multiplier(d) : Offset(d);
    }
    return {};
}

Value GetTransform(Vm& vm, const Value& self, std::span<const Value>) {
    DisplayObject* placed = TargetOf(vm, self);
    if (!placed)
        return {};
    const ColorTransform& c = placed->Colors;
    ObjectPtr t = vm.NewObject();
    t->Put("ra", double(c.MulR) * 100);
    t->Put("rb", double(c.AddR));
    t->Put("ga", double(c.MulG) * 100);
    t->Put("gb", double(c.AddG));
    t->Put("ba", double(c.MulB) * 100);
    t->Put("bb", double(c.AddB));
    t->Put("aa", double(c.MulA) * 100);
    t->Put("ab", double(c.AddA));
    return Value(t);
}

} // namespace

void InstallColor(Vm& vm) {
    vm.Protos.Color = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Color;
    NativeCall init = [](Vm&, const Value& self, std::span<const Value> args) -> Value {
        if (self.IsObject())
            self.Object()->Put("target", Arg(args, 0), DontEnum | DontDelete);
        return self;
    };
    ObjectPtr ctor = vm.NewClass(
        proto,
        [init](Vm& vm, const Value&, std::span<const Value> args) {
            return init(vm, Value(vm.NewObject(vm.Protos.Color)), args);
        },
        init);
    vm.Global()->Put("Color", Value(ctor), DontEnum);
    vm.Method(proto, "setRGB", SetRgb);
    vm.Method(proto, "getRGB", GetRgb);
    vm.Method(proto, "setTransform", SetTransform);
    vm.Method(proto, "getTransform", GetTransform);
}

} // namespace swf::script::geom
