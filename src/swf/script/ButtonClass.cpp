#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {

// Buttons on the stage get their script objects from this prototype; what
// the mouse asks of them (enabled, useHandCursor, trackAsMenu) is read there.
void InstallButton(Vm& vm) {
    vm.Protos.Button = vm.NewObject();
    ObjectPtr ctor =
        vm.NewClass(vm.Protos.Button, [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
    vm.Protos.Button->Put("enabled", true, DontEnum);
    vm.Protos.Button->Put("useHandCursor", true, DontEnum);
    vm.Protos.Button->Put("trackAsMenu", false, DontEnum);
    vm.Global()->Put("Button", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
