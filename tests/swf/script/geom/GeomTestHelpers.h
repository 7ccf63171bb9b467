#pragma once

#include "swf/script/Vm.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace testing_geom {

using swf::script::Value;
using swf::script::Vm;

// A member of _global.flash.PACKAGE, or undefined.
inline Value FlashClass(Vm& vm, const char* package, const char* name) {
    Value flash = vm.GetMember(Value(vm.Global()), "flash");
    return vm.GetMember(vm.GetMember(flash, package), name);
}

inline Value New(Vm& vm, const Value& ctor, std::initializer_list<Value> args) {
    std::vector<Value> list(args);
    return vm.Construct(ctor, list);
}

inline Value Call(Vm& vm, const Value& object, const char* method, std::initializer_list<Value> args = {}) {
    std::vector<Value> list(args);
    return vm.CallMethod(object, method, list);
}

inline Value Bitmap(Vm& vm, std::initializer_list<Value> args) {
    return New(vm, FlashClass(vm, "display", "BitmapData"), args);
}

inline std::string Text(Vm& vm, const Value& v) { return vm.ToString(v); }

} // namespace testing_geom
