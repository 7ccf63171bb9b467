#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {

namespace {

// What the player tells movies about itself and the machine. The screen is
// a common desktop's, scaled as the plug-in reports it.
void InstallCapabilities(Vm& vm, const ObjectPtr& system) {
    ObjectPtr capabilities = vm.NewObject();
    capabilities->Put("version", PlayerVersion, DontEnum);
    capabilities->Put("os", "Windows", DontEnum);
    capabilities->Put("manufacturer", "Adobe Windows", DontEnum);
    capabilities->Put("language", "en", DontEnum);
    capabilities->Put("playerType", "StandAlone", DontEnum);
    capabilities->Put("serverString", "", DontEnum);
    capabilities->Put("screenResolutionX", 1536.0, DontEnum);
    capabilities->Put("screenResolutionY", 864.0, DontEnum);
    capabilities->Put("screenDPI", 72.0, DontEnum);
    capabilities->Put("screenColor", "color", DontEnum);
    capabilities->Put("pixelAspectRatio", 1.0, DontEnum);
    for (const char* yes : {"hasAudio", "hasMP3", "hasAccessibility", "hasPrinting", "hasStreamingAudio",
                            "hasStreamingVideo", "hasEmbeddedVideo", "hasAudioEncoder", "hasVideoEncoder",
                            "hasScreenBroadcast", "hasScreenPlayback", "hasIME", "hasTLS"})
        capabilities->Put(yes, true, DontEnum);
    for (const char* no : {"isDebugger", "localFileReadDisable", "avHardwareDisable", "windowlessDisable"})
        capabilities->Put(no, false, DontEnum);
    system->Put("capabilities", Value(capabilities), DontEnum);
}

// System.Product stands for a program the movie may start or fetch; this
// player starts and fetches nothing.
void InstallProduct(Vm& vm, const ObjectPtr& system) {
    ObjectPtr proto = vm.NewObject();
    NativeCall request = [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; };
    vm.Method(proto, "launch", request);
    vm.Method(proto, "download", request);
    NativeCall construct = [](Vm&, const Value& self, std::span<const Value>) -> Value { return self; };
    system->Put("Product", Value(vm.NewClass(proto, construct, construct)), DontEnum);
}

} // namespace

void InstallSystem(Vm& vm) {
    ObjectPtr system = vm.NewObject();
    InstallCapabilities(vm, system);
    ObjectPtr security = vm.NewObject();
    // Every domain is allowed (local files only here); a call without one
    // is refused.
    NativeCall allow = [](Vm&, const Value&, std::span<const Value> args) -> Value { return !args.empty(); };
    vm.Method(security, "allowDomain", allow);
    vm.Method(security, "allowInsecureDomain", allow);
    vm.Method(security, "loadPolicyFile", allow);
    system->Put("security", Value(security), DontEnum);
    system->Put("useCodepage", false, DontEnum);
    if (vm.Version() >= 6)
        system->Put("exactSettings", true, DontEnum);
    // The clipboard and the settings panel are the user's: the movie's
    // requests do nothing.
    NativeCall ignore = [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; };
    vm.Method(system, "setClipboard", ignore);
    vm.Method(system, "showSettings", ignore);
    InstallProduct(vm, system);
    vm.Global()->Put("System", Value(system), DontEnum);
}

// Classes a movie may look for whose work (camera, microphone, text
// snapshots) is not done here: they
// exist, and make plain objects.
void InstallPlaceholders(Vm& vm) {
    auto placeholder = [&vm](const ObjectPtr& owner, const char* name) {
        ObjectPtr proto = vm.NewObject();
        owner->Put(
            name,
            Value(vm.NewClass(proto, [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; })),
            DontEnum);
    };
    for (const char* name : {"Camera", "Microphone", "TextSnapshot"})
        placeholder(vm.Global(), name);
}

} // namespace swf::script::builtins
