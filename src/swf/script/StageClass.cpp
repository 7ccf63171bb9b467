#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {

void InstallStage(Vm& vm) {
    ObjectPtr stage = vm.NewObject();
    stage->Put("scaleMode", "showAll", DontEnum);
    stage->Put("align", "", DontEnum);
    vm.Global()->Put("Stage", Value(stage), DontEnum);
}

} // namespace swf::script::builtins
