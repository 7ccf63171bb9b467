#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomClasses.h"
#include "swf/script/geom/GeomSupport.h"

#include <array>

namespace swf::script::geom {
namespace {

using builtins::Arg;

constexpr std::array<const char*, 8> Names = {"redMultiplier",   "greenMultiplier", "blueMultiplier",
                                              "alphaMultiplier", "redOffset",       "greenOffset",
                                              "blueOffset",      "alphaOffset"};

Value Construct(Vm& vm, const Value&, std::span<const Value> args) {
    auto o = vm.Make<ColorTransformObject>();
    o->Put("__proto__", Value(vm.Protos.ColorTransform), DontEnum);
    // The plug-in takes all eight values or none: fewer arguments leave the
    // identity transform.
    if (args.size() >= 8)
        for (size_t i = 0; i < 8; ++i)
            o->Values[i] = vm.ToNumber(args[i]);
    return Value(ObjectPtr(o));
}

Value ToString(Vm&, const Value& self, std::span<const Value>) {
    const ColorTransformObject* c = AsColorTransform(self);
    if (!c)
        return {};
    std::string s = "(";
    for (size_t i = 0; i < 8; ++i)
        s += std::string(i ? ", " : "") + Names[i] + "=" + NumberToString(c->Values[i]);
    return s + ")";
}

// `second` applied first, then this one.
Value Concat(Vm&, const Value& self, std::span<const Value> args) {
    ColorTransformObject* c = AsColorTransform(self);
    const ColorTransformObject* second = AsColorTransform(Arg(args, 0));
    if (!c || !second)
        return {};
    for (size_t i = 0; i < 4; ++i) {
        c->Values[i + 4] += c->Values[i] * second->Values[i + 4];
        c->Values[i] *= second->Values[i];
    }
    return {};
}

// The colour the offsets add, as 0xRRGGBB.
Value GetRgb(Vm&, const Value& self, std::span<const Value>) {
    const ColorTransformObject* c = AsColorTransform(self);
    if (!c)
        return {};
    return double((ToInt32(c->Values[4]) << 16) | (ToInt32(c->Values[5]) << 8) | ToInt32(c->Values[6]));
}

// Setting a colour makes the object paint it: the colour multipliers go
// to 0, alpha stays.
Value SetRgb(Vm& vm, const Value& self, std::span<const Value> args) {
    ColorTransformObject* c = AsColorTransform(self);
    if (!c)
        return {};
    uint32_t rgb = static_cast<uint32_t>(ToInt32(vm.ToNumber(Arg(args, 0))));
    for (size_t i = 0; i < 3; ++i) {
        c->Values[i] = 0;
        c->Values[i + 4] = double((rgb >> (16 - 8 * i)) & 0xFF);
    }
    return {};
}

} // namespace

void InstallColorTransform(Vm& vm) {
    vm.Protos.ColorTransform = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.ColorTransform;
    Class(vm, Package(vm, "geom"), "ColorTransform", proto, Construct);
    // The plug-in lists these to for..in, alpha first.
    for (size_t i : {3, 0, 1, 2, 7, 4, 5, 6}) {
        Accessor(
            vm, proto, Names[i],
            [i](Vm&, const Value& self, std::span<const Value>) -> Value {
                const ColorTransformObject* c = AsColorTransform(self);
                return c ? Value(c->Values[i]) : Value();
            },
            [i](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                if (ColorTransformObject* c = AsColorTransform(self))
                    c->Values[i] = vm.ToNumber(Arg(args, 0));
                return {};
            },
            0);
    }
    Accessor(vm, proto, "rgb", GetRgb, SetRgb, 0);
    proto->Put("concat", Value(vm.NewFunction(Concat)));
    proto->Put("toString", Value(vm.NewFunction(ToString)));
}

} // namespace swf::script::geom
