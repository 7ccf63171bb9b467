#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomClasses.h"
#include "swf/script/geom/GeomSupport.h"

#include <cmath>

namespace swf::script::geom {
namespace {

using builtins::Arg;

double X(Vm& vm, const Value& p) { return Number(vm, p, "x"); }
double Y(Vm& vm, const Value& p) { return Number(vm, p, "y"); }

Value Init(Vm&, const Value& self, std::span<const Value> args) {
    if (!self.IsObject())
        return {};
    // Without arguments the origin; with some, whatever was given.
    self.Object()->Put("x", args.empty() ? Value(0.0) : args[0]);
    self.Object()->Put("y", args.empty() ? Value(0.0) : Arg(args, 1));
    return self;
}

Value Add(Vm& vm, const Value& self, std::span<const Value> args) {
    Value o = Arg(args, 0);
    return NewPoint(vm, X(vm, self) + X(vm, o), Y(vm, self) + Y(vm, o));
}

Value Subtract(Vm& vm, const Value& self, std::span<const Value> args) {
    Value o = Arg(args, 0);
    return NewPoint(vm, X(vm, self) - X(vm, o), Y(vm, self) - Y(vm, o));
}

Value Equals(Vm& vm, const Value& self, std::span<const Value> args) {
    Value o = Arg(args, 0);
    if (!IsA(o, vm.Protos.Point))
        return false;
    return X(vm, self) == X(vm, o) && Y(vm, self) == Y(vm, o);
}

Value Normalize(Vm& vm, const Value& self, std::span<const Value> args) {
    double length = vm.ToNumber(vm.GetMember(self, "length"));
    if (length > 0) {
        double scale = vm.ToNumber(Arg(args, 0)) / length;
        vm.SetMember(self, "x", X(vm, self) * scale);
        vm.SetMember(self, "y", Y(vm, self) * scale);
    }
    return {};
}

Value Offset(Vm& vm, const Value& self, std::span<const Value> args) {
    vm.SetMember(self, "x", X(vm, self) + vm.ToNumber(Arg(args, 0)));
    vm.SetMember(self, "y", Y(vm, self) + vm.ToNumber(Arg(args, 1)));
    return {};
}

Value ToString(Vm& vm, const Value& self, std::span<const Value>) {
    return "(x=" + vm.ToString(vm.GetMember(self, "x")) + ", y=" + vm.ToString(vm.GetMember(self, "y")) + ")";
}

// Point.distance goes through subtract and length, so that only points
// (and objects that act like them) measure.
Value Distance(Vm& vm, const Value&, std::span<const Value> args) {
    Value from = Arg(args, 0), to = Arg(args, 1);
    Value difference = vm.CallMethod(from, "subtract", std::span<const Value>(&to, 1));
    return vm.GetMember(difference, "length");
}

Value Interpolate(Vm& vm, const Value&, std::span<const Value> args) {
    Value a = Arg(args, 0), b = Arg(args, 1);
    double f = vm.ToNumber(Arg(args, 2));
    return NewPoint(vm, X(vm, b) + f * (X(vm, a) - X(vm, b)), Y(vm, b) + f * (Y(vm, a) - Y(vm, b)));
}

Value Polar(Vm& vm, const Value&, std::span<const Value> args) {
    double length = vm.ToNumber(Arg(args, 0)), angle = vm.ToNumber(Arg(args, 1));
    return NewPoint(vm, length * std::cos(angle), length * std::sin(angle));
}

} // namespace

void InstallPoint(Vm& vm) {
    vm.Protos.Point = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Point;
    ObjectPtr ctor = Class(vm, Package(vm, "geom"), "Point", proto, Init);
    Accessor(vm, proto, "length", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        double x = X(vm, self), y = Y(vm, self);
        return std::sqrt(x * x + y * y);
    });
    vm.Method(proto, "add", Add);
    vm.Method(proto, "subtract", Subtract);
    vm.Method(proto, "equals", Equals);
    vm.Method(proto, "normalize", Normalize);
    vm.Method(proto, "offset", Offset);
    vm.Method(proto, "clone", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return NewPoint(vm, vm.GetMember(self, "x"), vm.GetMember(self, "y"));
    });
    vm.Method(proto, "toString", ToString);
    vm.Method(ctor, "distance", Distance);
    vm.Method(ctor, "interpolate", Interpolate);
    vm.Method(ctor, "polar", Polar);
}

} // namespace swf::script::geom
