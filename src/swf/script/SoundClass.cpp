#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/sound/MovieSound.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace swf::script::builtins {
namespace {

// The plug-in's integer conversion here: fractions cut off, NaN and numbers
// beyond 32 bits become the smallest integer.
int32_t Truncated(double d) {
    if (!std::isfinite(d) || d >= 2147483648.0 || d < -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(d);
}

// A Sound object: the sound it has attached (by id), and the clip whose
// volume and channel mix it sets (none: the whole movie's).
class SoundObject : public Object {
public:
    using Object::Object;
    std::optional<uint16_t> Id;
    const Object* Target = nullptr;
    // duration and position, in milliseconds, once a sound is attached.
    std::optional<Value> GetComputed(Vm& vm, const std::string& name) override {
        if (name != "duration" && name != "position")
            return std::nullopt;
        if (!Id || !vm.Sounds)
            return Value();
        if (name == "position")
            return 0.0;
        auto ms = vm.Sounds->DurationMs(*Id);
        return ms ? Value(std::round(*ms)) : Value();
    }
};

SoundObject* Self(const Value& self) {
    return self.IsObject() ? dynamic_cast<SoundObject*>(self.Object().get()) : nullptr;
}

Vm::SoundMix& MixOf(Vm& vm, const Value& self) {
    SoundObject* s = Self(self);
    return vm.SoundMixes[s ? s->Target : nullptr];
}

// Wrapping differences as the plug-in computes them in 32 bits.
int32_t Wrapped(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

double PanOf(const Vm::SoundMix& m) {
    if (m.LL == 100)
        return Wrapped(std::llabs(int64_t(m.RR)) - 100);
    return Wrapped(100 - std::llabs(int64_t(m.LL)));
}

void InstallMixMethods(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "getVolume", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return double(MixOf(vm, self).Volume);
    });
    vm.Method(proto, "setVolume", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        MixOf(vm, self).Volume = Truncated(vm.ToNumber(Arg(args, 0)));
        return {};
    });
    vm.Method(proto, "getPan", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return PanOf(MixOf(vm, self));
    });
    // Panning turns one side down; the other stays full.
    vm.Method(proto, "setPan", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        int32_t pan = Truncated(vm.ToNumber(Arg(args, 0)));
        Vm::SoundMix& m = MixOf(vm, self);
        m.LL = pan >= 0 ? Wrapped(100 - int64_t(pan)) : 100;
        m.RR = pan >= 0 ? 100 : Wrapped(100 + int64_t(pan));
        return {};
    });
    vm.Method(proto, "getTransform", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        const Vm::SoundMix& m = MixOf(vm, self);
        ObjectPtr t = vm.NewObject();
        t->Put("ll", double(m.LL));
        t->Put("lr", double(m.LR));
        t->Put("rl", double(m.RL));
        t->Put("rr", double(m.RR));
        return Value(t);
    });
    vm.Method(proto, "setTransform", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Value t = Arg(args, 0);
        if (!t.IsObject())
            return {};
        Vm::SoundMix& m = MixOf(vm, self);
        for (auto [name, field] : {std::pair{"ll", &m.LL}, {"lr", &m.LR}, {"rl", &m.RL}, {"rr", &m.RR}}) {
            Value v = vm.GetMember(t, name);
            if (!v.IsUndefined())
                *field = ToInt32(vm.ToNumber(v));
        }
        return {};
    });
}

void InstallPlayMethods(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "attachSound", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (SoundObject* s = Self(self))
            if (auto id = vm.ExportedId(vm.ToString(Arg(args, 0)));
                id && vm.Sounds && vm.Sounds->DurationMs(*id))
                s->Id = id;
        return {};
    });
    // start(offset in seconds, loops)
    vm.Method(proto, "start", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        SoundObject* s = Self(self);
        if (s && s->Id && vm.Sounds) {
            double offset = args.empty() ? 0 : vm.ToNumber(args[0]);
            double loops = args.size() < 2 ? 1 : vm.ToNumber(args[1]);
            vm.Sounds->StartSound(*s->Id, std::isfinite(offset) ? offset : 0,
                                  std::isfinite(loops) ? static_cast<int>(std::clamp(loops, 1.0, 65535.0))
                                                       : 1);
        }
        return {};
    });
    vm.Method(proto, "stop", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        SoundObject* s = Self(self);
        if (!vm.Sounds)
            return {};
        if (!args.empty()) {
            if (auto id = vm.ExportedId(vm.ToString(args[0])))
                vm.Sounds->StopSound(*id);
        } else if (s && s->Id) {
            vm.Sounds->StopSound(*s->Id);
        } else {
            vm.Sounds->StopAll();
        }
        return {};
    });
    vm.Method(proto, "getDuration", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return vm.GetMember(self, "duration");
    });
    vm.Method(proto, "getPosition", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return vm.GetMember(self, "position");
    });
}

} // namespace

void InstallSound(Vm& vm) {
    vm.Protos.Sound = vm.NewObject();
    ObjectPtr ctor = vm.NewClass(
        vm.Protos.Sound, [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; },
        [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
            auto sound = vm.Make<SoundObject>();
            sound->Put("__proto__", Value(vm.Protos.Sound), DontEnum);
            Value target = Arg(args, 0);
            if (target.IsObject())
                sound->Target = target.Object().get();
            return Value(std::static_pointer_cast<Object>(sound));
        });
    InstallMixMethods(vm, vm.Protos.Sound);
    InstallPlayMethods(vm, vm.Protos.Sound);
    vm.Global()->Put("Sound", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
