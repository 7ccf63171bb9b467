#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {

void InstallMouse(Vm& vm) {
    ObjectPtr mouse = vm.NewObject();
    MakeBroadcaster(vm, mouse);
    // Both answer whether the pointer was showing before the call.
    vm.Method(mouse, "show", [](Vm& vm, const Value&, std::span<const Value>) -> Value {
        bool was = !vm.Input.MouseHidden;
        vm.Input.MouseHidden = false;
        return double(was);
    });
    vm.Method(mouse, "hide", [](Vm& vm, const Value&, std::span<const Value>) -> Value {
        bool was = !vm.Input.MouseHidden;
        vm.Input.MouseHidden = true;
        return double(was);
    });
    vm.Global()->Put("Mouse", Value(mouse), DontEnum);
}

} // namespace swf::script::builtins
