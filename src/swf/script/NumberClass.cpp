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
    ObjectPtr ctor = WrapperClass(vm, proto, "Number", [](Vm& vm, std::span<const Value> args) -> Value {
        return args.empty() ? 0.0 : vm.ToNumber(args[0]);
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
}

void InstallBoolean(Vm& vm) {
    vm.Protos.Boolean = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Boolean;
    WrapperClass(vm, proto, "Boolean", [](Vm& vm, std::span<const Value> args) -> Value {
        return args.empty() ? Value() : Value(vm.ToBoolean(args[0]));
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
}

} // namespace swf::script::builtins
