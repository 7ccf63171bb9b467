#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {
namespace {

// Broadcasters keep their listeners in _listeners, as the plug-in's do.
void InstallListeners(Vm& vm, const ObjectPtr& object) {
    object->Put("_listeners", Value(vm.NewArray()), DontEnum);
    vm.Method(object, "addListener", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Value list = vm.GetMember(self, "_listeners");
        if (auto a = list.IsObject() ? dynamic_cast<ArrayObject*>(list.Object().get()) : nullptr) {
            for (const Value& v : a->Elements)
                if (v == Arg(args, 0))
                    return true;
            a->Elements.push_back(Arg(args, 0));
        }
        return true;
    });
    vm.Method(object, "removeListener", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Value list = vm.GetMember(self, "_listeners");
        if (auto a = list.IsObject() ? dynamic_cast<ArrayObject*>(list.Object().get()) : nullptr)
            for (auto it = a->Elements.begin(); it != a->Elements.end(); ++it)
                if (*it == Arg(args, 0)) {
                    a->Elements.erase(it);
                    return true;
                }
        return false;
    });
}

} // namespace

void InstallKey(Vm& vm) {
    ObjectPtr key = vm.NewObject();
    InstallListeners(vm, key);
    vm.Method(key, "isDown", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return vm.IsKeyDown(static_cast<uint32_t>(ToInt32(vm.ToNumber(Arg(args, 0)))));
    });
    vm.Method(key, "isToggled", [](Vm&, const Value&, std::span<const Value>) -> Value { return false; });
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

void InstallMouse(Vm& vm) {
    ObjectPtr mouse = vm.NewObject();
    InstallListeners(vm, mouse);
    vm.Method(mouse, "show", [](Vm&, const Value&, std::span<const Value>) -> Value { return 1.0; });
    vm.Method(mouse, "hide", [](Vm&, const Value&, std::span<const Value>) -> Value { return 1.0; });
    vm.Global()->Put("Mouse", Value(mouse), DontEnum);
}

} // namespace swf::script::builtins
