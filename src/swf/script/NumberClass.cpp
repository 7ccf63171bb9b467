#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

#include <cmath>
#include <limits>

namespace swf::script::builtins {
namespace {

double NumberOf(Vm& vm, const Value& self) {
    if (self.IsObject() && self.Object()->Primitive)
        return vm.ToNumber(*self.Object()->Primitive);
    return vm.ToNumber(self);
}

} // namespace

void InstallNumber(Vm& vm) {
    vm.Protos.Number = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Number;
    ObjectPtr ctor = vm.NewClass(
        proto,
        [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
            return args.empty() ? 0.0 : vm.ToNumber(args[0]);
        },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            self.Object()->Primitive = Value(args.empty() ? 0.0 : vm.ToNumber(args[0]));
            return self;
        });
    vm.Method(proto, "toString", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        double radix = Arg(args, 0).IsUndefined() ? 10 : vm.ToNumber(args[0]);
        return NumberToString(NumberOf(vm, self), std::isfinite(radix) ? static_cast<int>(radix) : 10);
    });
    vm.Method(proto, "valueOf",
              [](Vm& vm, const Value& self, std::span<const Value>) -> Value { return NumberOf(vm, self); });
    const uint8_t constant = DontEnum | DontDelete | ReadOnly;
    ctor->Put("MAX_VALUE", std::numeric_limits<double>::max(), constant);
    ctor->Put("MIN_VALUE", std::numeric_limits<double>::denorm_min(), constant);
    ctor->Put("NaN", std::numeric_limits<double>::quiet_NaN(), constant);
    ctor->Put("POSITIVE_INFINITY", std::numeric_limits<double>::infinity(), constant);
    ctor->Put("NEGATIVE_INFINITY", -std::numeric_limits<double>::infinity(), constant);
    vm.Global()->Put("Number", Value(ctor), DontEnum);
}

void InstallBoolean(Vm& vm) {
    vm.Protos.Boolean = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Boolean;
    ObjectPtr ctor = vm.NewClass(
        proto,
        [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
            return args.empty() ? Value() : Value(vm.ToBoolean(args[0]));
        },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            self.Object()->Primitive = Value(args.empty() ? false : vm.ToBoolean(args[0]));
            return self;
        });
    auto valueOf = [](const Value& self) -> Value {
        if (self.IsObject() && self.Object()->Primitive)
            return *self.Object()->Primitive;
        return self.IsBoolean() ? self : Value();
    };
    vm.Method(proto, "toString", [valueOf](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        Value v = valueOf(self);
        return v.IsBoolean() ? Value(vm.ToString(v)) : Value();
    });
    vm.Method(proto, "valueOf",
              [valueOf](Vm&, const Value& self, std::span<const Value>) -> Value { return valueOf(self); });
    vm.Global()->Put("Boolean", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
