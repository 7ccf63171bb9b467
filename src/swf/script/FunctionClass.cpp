#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

#include <algorithm>
#include <cmath>

namespace swf::script::builtins {
namespace {

// call and apply without an object to call on call on the global object.
Value ThisArgument(Vm& vm, std::span<const Value> args) {
    Value thisValue = Arg(args, 0);
    return thisValue.IsNullish() ? Value(vm.Global()) : thisValue;
}

Value CallFunction(Vm& vm, const Value& self, std::span<const Value> args) {
    Value thisValue = ThisArgument(vm, args);
    std::span<const Value> rest = args.empty() ? args : args.subspan(1);
    return vm.Call(self, thisValue, rest);
}

Value ApplyFunction(Vm& vm, const Value& self, std::span<const Value> args) {
    Value list = Arg(args, 1);
    std::vector<Value> values;
    if (list.IsObject()) {
        double n = vm.ToNumber(vm.GetMember(list, "length"));
        size_t count = std::isfinite(n) && n > 0 ? static_cast<size_t>(std::min(n, 65536.0)) : 0;
        for (size_t i = 0; i < count; ++i)
            values.push_back(vm.GetMember(list, std::to_string(i)));
    }
    return vm.Call(self, ThisArgument(vm, args), values);
}

} // namespace

void InstallFunction(Vm& vm) {
    const ObjectPtr& proto = vm.Protos.Function;
    ObjectPtr ctor = vm.NewClass(
        proto, [](Vm& vm, const Value&, std::span<const Value>) -> Value { return vm.NewFunction({}); });
    vm.Method(proto, "call", CallFunction);
    vm.Method(proto, "apply", ApplyFunction);
    vm.Global()->Put("Function", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
