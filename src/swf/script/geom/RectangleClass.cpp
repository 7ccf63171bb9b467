#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomClasses.h"
#include "swf/script/geom/GeomSupport.h"

#include <algorithm>

namespace swf::script::geom {
namespace {

using builtins::Arg;

struct Box {
    double X, Y, W, H;
};

Box Read(Vm& vm, const Value& r) {
    return {Number(vm, r, "x"), Number(vm, r, "y"), Number(vm, r, "width"), Number(vm, r, "height")};
}

void Write(Vm& vm, const Value& r, const Box& b) {
    vm.SetMember(r, "x", b.X);
    vm.SetMember(r, "y", b.Y);
    vm.SetMember(r, "width", b.W);
    vm.SetMember(r, "height", b.H);
}

bool Empty(const Box& b) { return !(b.W > 0 && b.H > 0); }

Value Init(Vm&, const Value& self, std::span<const Value> args) {
    if (!self.IsObject())
        return {};
    const char* names[] = {"x", "y", "width", "height"};
    for (size_t i = 0; i < 4; ++i)
        self.Object()->Put(names[i], args.empty() ? Value(0.0) : Arg(args, i));
    return self;
}

Value ToString(Vm& vm, const Value& self, std::span<const Value>) {
    auto s = [&](const char* name) { return vm.ToString(vm.GetMember(self, name)); };
    return "(x=" + s("x") + ", y=" + s("y") + ", w=" + s("width") + ", h=" + s("height") + ")";
}

Value Contains(Vm& vm, const Value& self, std::span<const Value> args) {
    Box b = Read(vm, self);
    double x = vm.ToNumber(Arg(args, 0)), y = vm.ToNumber(Arg(args, 1));
    return x >= b.X && y >= b.Y && x < b.X + b.W && y < b.Y + b.H;
}

Value ContainsRectangle(Vm& vm, const Value& self, std::span<const Value> args) {
    Box b = Read(vm, self), o = Read(vm, Arg(args, 0));
    return o.X >= b.X && o.Y >= b.Y && o.X + o.W <= b.X + b.W && o.Y + o.H <= b.Y + b.H;
}

Box Intersection(const Box& a, const Box& b) {
    double x0 = std::max(a.X, b.X), y0 = std::max(a.Y, b.Y);
    double x1 = std::min(a.X + a.W, b.X + b.W), y1 = std::min(a.Y + a.H, b.Y + b.H);
    if (x1 <= x0 || y1 <= y0)
        return {0, 0, 0, 0};
    return {x0, y0, x1 - x0, y1 - y0};
}

Box Union(const Box& a, const Box& b) {
    if (Empty(a))
        return b;
    if (Empty(b))
        return a;
    double x0 = std::min(a.X, b.X), y0 = std::min(a.Y, b.Y);
    double x1 = std::max(a.X + a.W, b.X + b.W), y1 = std::max(a.Y + a.H, b.Y + b.H);
    return {x0, y0, x1 - x0, y1 - y0};
}

Value Make(Vm& vm, const Box& b) { return NewRectangle(vm, b.X, b.Y, b.W, b.H); }

// The low and high edge of one axis (left and right, top and bottom):
// moving the low edge keeps the high one where it was.
void Edges(Vm& vm, const ObjectPtr& proto, const char* low, const char* high, const char* start,
           const char* size) {
    Accessor(
        vm, proto, low,
        [start](Vm& vm, const Value& self, std::span<const Value>) { return vm.GetMember(self, start); },
        [start, size](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            double end = Number(vm, self, start) + Number(vm, self, size), at = vm.ToNumber(Arg(args, 0));
            vm.SetMember(self, size, end - at);
            vm.SetMember(self, start, at);
            return {};
        });
    Accessor(
        vm, proto, high,
        [start, size](Vm& vm, const Value& self, std::span<const Value>) -> Value {
            return Number(vm, self, start) + Number(vm, self, size);
        },
        [start, size](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            vm.SetMember(self, size, vm.ToNumber(Arg(args, 0)) - Number(vm, self, start));
            return {};
        });
}

void Accessors(Vm& vm, const ObjectPtr& proto) {
    Edges(vm, proto, "left", "right", "x", "width");
    Edges(vm, proto, "top", "bottom", "y", "height");
    Accessor(
        vm, proto, "topLeft",
        [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
            return NewPoint(vm, vm.GetMember(self, "x"), vm.GetMember(self, "y"));
        },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            Box b = Read(vm, self);
            double x = Number(vm, Arg(args, 0), "x"), y = Number(vm, Arg(args, 0), "y");
            Write(vm, self, {x, y, b.W + b.X - x, b.H + b.Y - y});
            return {};
        });
    Accessor(
        vm, proto, "bottomRight",
        [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
            Box b = Read(vm, self);
            return NewPoint(vm, b.X + b.W, b.Y + b.H);
        },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            Box b = Read(vm, self);
            Write(vm, self,
                  {b.X, b.Y, Number(vm, Arg(args, 0), "x") - b.X, Number(vm, Arg(args, 0), "y") - b.Y});
            return {};
        });
    Accessor(
        vm, proto, "size",
        [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
            return NewPoint(vm, vm.GetMember(self, "width"), vm.GetMember(self, "height"));
        },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            vm.SetMember(self, "width", vm.GetMember(Arg(args, 0), "x"));
            vm.SetMember(self, "height", vm.GetMember(Arg(args, 0), "y"));
            return {};
        });
}

void Methods(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "toString", ToString);
    vm.Method(proto, "clone", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return NewRectangle(vm, vm.GetMember(self, "x"), vm.GetMember(self, "y"), vm.GetMember(self, "width"),
                            vm.GetMember(self, "height"));
    });
    vm.Method(proto, "isEmpty", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return Empty(Read(vm, self));
    });
    vm.Method(proto, "setEmpty", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        Write(vm, self, {0, 0, 0, 0});
        return {};
    });
    vm.Method(proto, "contains", Contains);
    vm.Method(proto, "containsPoint", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Value xy[] = {vm.GetMember(Arg(args, 0), "x"), vm.GetMember(Arg(args, 0), "y")};
        return Contains(vm, self, xy);
    });
    vm.Method(proto, "containsRectangle", ContainsRectangle);
    vm.Method(proto, "equals", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (!IsA(Arg(args, 0), vm.Protos.Rectangle))
            return false;
        Box a = Read(vm, self), b = Read(vm, args[0]);
        return a.X == b.X && a.Y == b.Y && a.W == b.W && a.H == b.H;
    });
    vm.Method(proto, "intersects", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        return !Empty(Intersection(Read(vm, self), Read(vm, Arg(args, 0))));
    });
    vm.Method(proto, "intersection", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        return Make(vm, Intersection(Read(vm, self), Read(vm, Arg(args, 0))));
    });
    vm.Method(proto, "union", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        return Make(vm, Union(Read(vm, self), Read(vm, Arg(args, 0))));
    });
}

// Growing and moving, by two numbers or by a point.
void Moves(Vm& vm, const ObjectPtr& proto) {
    auto inflate = [](Vm& vm, const Value& self, double dx, double dy) {
        Box b = Read(vm, self);
        Write(vm, self, {b.X - dx, b.Y - dy, b.W + 2 * dx, b.H + 2 * dy});
    };
    auto offset = [](Vm& vm, const Value& self, double dx, double dy) {
        vm.SetMember(self, "x", Number(vm, self, "x") + dx);
        vm.SetMember(self, "y", Number(vm, self, "y") + dy);
    };
    vm.Method(proto, "inflate", [inflate](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        inflate(vm, self, vm.ToNumber(Arg(args, 0)), vm.ToNumber(Arg(args, 1)));
        return {};
    });
    vm.Method(proto, "inflatePoint",
              [inflate](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  inflate(vm, self, Number(vm, Arg(args, 0), "x"), Number(vm, Arg(args, 0), "y"));
                  return {};
              });
    vm.Method(proto, "offset", [offset](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        offset(vm, self, vm.ToNumber(Arg(args, 0)), vm.ToNumber(Arg(args, 1)));
        return {};
    });
    vm.Method(proto, "offsetPoint",
              [offset](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  offset(vm, self, Number(vm, Arg(args, 0), "x"), Number(vm, Arg(args, 0), "y"));
                  return {};
              });
}

} // namespace

void InstallRectangle(Vm& vm) {
    vm.Protos.Rectangle = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Rectangle;
    Class(vm, Package(vm, "geom"), "Rectangle", proto, Init);
    Accessors(vm, proto);
    Methods(vm, proto);
    Moves(vm, proto);
}

} // namespace swf::script::geom
