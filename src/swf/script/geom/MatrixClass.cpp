#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomClasses.h"
#include "swf/script/geom/GeomSupport.h"

#include <array>
#include <cmath>

namespace swf::script::geom {
namespace {

using builtins::Arg;

constexpr std::array<const char*, 6> Names = {"a", "b", "c", "d", "tx", "ty"};

// The six numbers as the script has them (tx and ty in pixels).
std::array<double, 6> Read(Vm& vm, const Value& m) {
    std::array<double, 6> v{};
    for (size_t i = 0; i < 6; ++i)
        v[i] = Number(vm, m, Names[i]);
    return v;
}

void Write(Vm& vm, const Value& m, const std::array<double, 6>& v) {
    for (size_t i = 0; i < 6; ++i)
        vm.SetMember(m, Names[i], v[i]);
}

// `first` then `second`.
std::array<double, 6> Concat(const std::array<double, 6>& m, const std::array<double, 6>& n) {
    auto [a, b, c, d, tx, ty] = m;
    return {a * n[0] + b * n[2], a * n[1] + b * n[3],          c * n[0] + d * n[2],
            c * n[1] + d * n[3], tx * n[0] + ty * n[2] + n[4], tx * n[1] + ty * n[3] + n[5]};
}

Value Init(Vm&, const Value& self, std::span<const Value> args) {
    if (!self.IsObject())
        return {};
    const double identity[] = {1, 0, 0, 1, 0, 0};
    for (size_t i = 0; i < 6; ++i)
        self.Object()->Put(Names[i], args.empty() ? Value(identity[i]) : Arg(args, i));
    return self;
}

Value ToString(Vm& vm, const Value& self, std::span<const Value>) {
    std::string s = "(";
    for (size_t i = 0; i < 6; ++i)
        s += std::string(i ? ", " : "") + Names[i] + "=" + vm.ToString(vm.GetMember(self, Names[i]));
    return s + ")";
}

Value Invert(Vm& vm, const Value& self, std::span<const Value>) {
    auto [a, b, c, d, tx, ty] = Read(vm, self);
    double det = a * d - b * c;
    double ia = d / det, ib = -b / det, ic = -c / det, id = a / det;
    Write(vm, self, {ia, ib, ic, id, -(ia * tx + ic * ty), -(ib * tx + id * ty)});
    return {};
}

Value Rotate(Vm& vm, const Value& self, std::span<const Value> args) {
    double q = vm.ToNumber(Arg(args, 0)), cs = std::cos(q), sn = std::sin(q);
    Write(vm, self, Concat(Read(vm, self), {cs, sn, -sn, cs, 0, 0}));
    return {};
}

Value Scale(Vm& vm, const Value& self, std::span<const Value> args) {
    double sx = vm.ToNumber(Arg(args, 0)), sy = vm.ToNumber(Arg(args, 1));
    auto [a, b, c, d, tx, ty] = Read(vm, self);
    Write(vm, self, {a * sx, b * sy, c * sx, d * sy, tx * sx, ty * sy});
    return {};
}

// A translation left out is none.
double Offset(Vm& vm, std::span<const Value> args, size_t i) {
    return Arg(args, i).IsUndefined() ? 0 : vm.ToNumber(args[i]);
}

Value CreateBox(Vm& vm, const Value& self, std::span<const Value> args) {
    double sx = vm.ToNumber(Arg(args, 0)), sy = vm.ToNumber(Arg(args, 1)), q = vm.ToNumber(Arg(args, 2));
    double cs = std::cos(q), sn = std::sin(q);
    Write(vm, self, {sx * cs, sy * sn, -sx * sn, sy * cs, Offset(vm, args, 3), Offset(vm, args, 4)});
    return {};
}

// A gradient's unit square is 1638.4 pixels wide (32768 twips).
Value CreateGradientBox(Vm& vm, const Value& self, std::span<const Value> args) {
    double w = vm.ToNumber(Arg(args, 0)), h = vm.ToNumber(Arg(args, 1));
    double q = Arg(args, 2).IsUndefined() ? 0 : vm.ToNumber(args[2]);
    double cs = std::cos(q), sn = std::sin(q), sx = w / 1638.4, sy = h / 1638.4;
    Write(vm, self,
          {sx * cs, sy * sn, -sx * sn, sy * cs, Offset(vm, args, 3) + w / 2, Offset(vm, args, 4) + h / 2});
    return {};
}

Value TransformPoint(Vm& vm, const Value& self, std::span<const Value> args, bool translate) {
    auto [a, b, c, d, tx, ty] = Read(vm, self);
    double x = Number(vm, Arg(args, 0), "x"), y = Number(vm, Arg(args, 0), "y");
    return NewPoint(vm, a * x + c * y + (translate ? tx : 0), b * x + d * y + (translate ? ty : 0));
}

} // namespace

void InstallMatrix(Vm& vm) {
    vm.Protos.Matrix = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Matrix;
    Class(vm, Package(vm, "geom"), "Matrix", proto, Init);
    vm.Method(proto, "toString", ToString);
    vm.Method(proto, "clone", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        ObjectPtr m = vm.NewObject(vm.Protos.Matrix);
        for (const char* name : Names)
            m->Put(name, vm.GetMember(self, name));
        return Value(m);
    });
    vm.Method(proto, "identity", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        Write(vm, self, {1, 0, 0, 1, 0, 0});
        return {};
    });
    vm.Method(proto, "concat", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Write(vm, self, Concat(Read(vm, self), Read(vm, Arg(args, 0))));
        return {};
    });
    vm.Method(proto, "invert", Invert);
    vm.Method(proto, "rotate", Rotate);
    vm.Method(proto, "scale", Scale);
    vm.Method(proto, "translate", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        vm.SetMember(self, "tx", Number(vm, self, "tx") + vm.ToNumber(Arg(args, 0)));
        vm.SetMember(self, "ty", Number(vm, self, "ty") + vm.ToNumber(Arg(args, 1)));
        return {};
    });
    vm.Method(proto, "createBox", CreateBox);
    vm.Method(proto, "createGradientBox", CreateGradientBox);
    vm.Method(proto, "transformPoint", [](Vm& vm, const Value& self, std::span<const Value> args) {
        return TransformPoint(vm, self, args, true);
    });
    vm.Method(proto, "deltaTransformPoint", [](Vm& vm, const Value& self, std::span<const Value> args) {
        return TransformPoint(vm, self, args, false);
    });
}

} // namespace swf::script::geom
