#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {

void InstallError(Vm& vm) {
    vm.Protos.Error = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Error;
    NativeCall init = [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (self.IsObject() && !Arg(args, 0).IsUndefined())
            self.Object()->Put("message", Value(vm.ToString(args[0])));
        return self;
    };
    ObjectPtr ctor = vm.NewClass(
        proto,
        [init](Vm& vm, const Value&, std::span<const Value> args) -> Value {
            return init(vm, Value(vm.NewObject(vm.Protos.Error)), args);
        },
        init);
    proto->Put("name", "Error", DontEnum);
    proto->Put("message", "Error", DontEnum);
    vm.Method(proto, "toString", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return vm.ToString(vm.GetMember(self, "message"));
    });
    vm.Global()->Put("Error", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
