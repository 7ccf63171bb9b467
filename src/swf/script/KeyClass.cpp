#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {

void InstallKey(Vm& vm) {
    ObjectPtr key = vm.NewObject();
    MakeBroadcaster(vm, key);
    vm.Method(key, "isDown", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return vm.IsKeyDown(static_cast<uint32_t>(ToInt32(vm.ToNumber(Arg(args, 0)))));
    });
    // Every key toggles with its presses, as the system keeps them; movies
    // ask about caps lock and num lock.
    vm.Method(key, "isToggled", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return vm.Input.Toggled.count(static_cast<uint32_t>(ToInt32(vm.ToNumber(Arg(args, 0))))) != 0;
    });
    vm.Method(key, "getCode",
              [](Vm& vm, const Value&, std::span<const Value>) -> Value { return double(vm.LastKeyCode()); });
    vm.Method(key, "getAscii", [](Vm& vm, const Value&, std::span<const Value>) -> Value {
        return double(vm.LastCharacter());
    });
    const std::pair<const char*, double> codes[] = {
        {"BACKSPACE", 8}, {"CAPSLOCK", 20}, {"CONTROL", 17}, {"DELETEKEY", 46}, {"DOWN", 40}, {"END", 35},
        {"ENTER", 13},    {"ESCAPE", 27},   {"HOME", 36},    {"INSERT", 45},    {"LEFT", 37}, {"PGDN", 34},
        {"PGUP", 33},     {"RIGHT", 39},    {"SHIFT", 16},   {"SPACE", 32},     {"TAB", 9},   {"UP", 38},
    };
    for (auto [name, code] : codes)
        key->Put(name, code, DontEnum | DontDelete | ReadOnly);
    vm.Global()->Put("Key", Value(key), DontEnum);
}

} // namespace swf::script::builtins
