#include "swf/script/Builtins.h"

#include "swf/script/Vm.h"

namespace swf::script::builtins {

void Install(Vm& vm) {
    // Object.prototype and Function.prototype first: everything else links
    // to them.
    vm.Protos.Object = std::make_shared<Object>(vm.CaseSensitive());
    vm.Protos.Function = vm.NewObject();
    InstallObject(vm);
    InstallFunction(vm);
    InstallArray(vm);
    InstallString(vm);
    InstallNumber(vm);
    InstallBoolean(vm);
    InstallMath(vm);
    InstallGlobals(vm);
    InstallMovieClip(vm);
    InstallStage(vm);
    InstallKey(vm);
    InstallMouse(vm);
    InstallError(vm);
    InstallSystem(vm);
    InstallPlaceholders(vm);
}

} // namespace swf::script::builtins
