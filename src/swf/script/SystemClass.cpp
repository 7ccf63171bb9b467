#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {

void InstallSystem(Vm& vm) {
    ObjectPtr system = vm.NewObject();
    ObjectPtr capabilities = vm.NewObject();
    capabilities->Put("version", "WIN 9,0,0,0", DontEnum);
    capabilities->Put("os", "Windows", DontEnum);
    capabilities->Put("language", "en", DontEnum);
    capabilities->Put("playerType", "StandAlone", DontEnum);
    capabilities->Put("screenResolutionX", 1024.0, DontEnum);
    capabilities->Put("screenResolutionY", 768.0, DontEnum);
    capabilities->Put("hasAudio", true, DontEnum);
    system->Put("capabilities", Value(capabilities), DontEnum);
    ObjectPtr security = vm.NewObject();
    NativeCall allow = [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; };
    vm.Method(security, "allowDomain", allow);
    vm.Method(security, "allowInsecureDomain", allow);
    vm.Method(security, "loadPolicyFile", allow);
    system->Put("security", Value(security), DontEnum);
    system->Put("useCodepage", false, DontEnum);
    vm.Global()->Put("System", Value(system), DontEnum);
}

// Classes a movie may look for whose work (camera, microphone, context
// menu, text snapshots) is not done here: they
// exist, and make plain objects.
void InstallPlaceholders(Vm& vm) {
    auto placeholder = [&vm](const ObjectPtr& owner, const char* name) {
        ObjectPtr proto = vm.NewObject();
        owner->Put(
            name,
            Value(vm.NewClass(proto, [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; })),
            DontEnum);
    };
    for (const char* name : {"Camera", "Microphone", "ContextMenu", "ContextMenuItem", "TextSnapshot"})
        placeholder(vm.Global(), name);
}

} // namespace swf::script::builtins
