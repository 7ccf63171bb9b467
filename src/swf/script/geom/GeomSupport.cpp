#include "swf/script/geom/GeomSupport.h"

#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

#include <algorithm>
#include <cmath>

namespace swf::script::geom {

ObjectPtr Package(Vm& vm, const char* name) {
    Value flash =
        vm.Global()->FindOwnAnyVersion("flash") ? vm.Global()->FindOwnAnyVersion("flash")->Data : Value();
    if (!flash.IsObject()) {
        flash = Value(vm.NewObject());
        vm.Global()->Put("flash", flash, DontEnum | (vm.Version() < 8 ? VersionHidden : 0));
    }
    if (const Property* p = flash.Object()->FindOwn(name); p && p->Data.IsObject())
        return p->Data.Object();
    ObjectPtr package = vm.NewObject();
    flash.Object()->Put(name, Value(package), DontEnum);
    return package;
}

void Accessor(Vm& vm, const ObjectPtr& object, const std::string& name, NativeCall get, NativeCall set,
              uint8_t flags) {
    object->Put(name, Value(), flags);
    Property* p = object->FindOwn(name);
    p->Getter = vm.NewFunction(std::move(get));
    // A property without a setter ignores assignments.
    p->Setter = vm.NewFunction(set ? std::move(set)
                                   : [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
}

ObjectPtr Class(Vm& vm, const ObjectPtr& package, const char* name, const ObjectPtr& proto, NativeCall init) {
    ObjectPtr ctor = vm.NewClass(
        proto,
        [init, proto](Vm& vm, const Value&, std::span<const Value> args) -> Value {
            return init(vm, Value(vm.NewObject(proto)), args);
        },
        init);
    package->Put(name, Value(ctor), DontEnum);
    return ctor;
}

bool IsA(const Value& v, const ObjectPtr& proto) {
    if (!v.IsObject() || !proto)
        return false;
    ObjectPtr o = v.Object()->Proto();
    for (int i = 0; o && i < 256; ++i, o = o->Proto())
        if (o == proto)
            return true;
    return false;
}

double Number(Vm& vm, const Value& object, const char* name) {
    return vm.ToNumber(vm.GetMember(object, name));
}

Value NewPoint(Vm& vm, Value x, Value y) {
    ObjectPtr p = vm.NewObject(vm.Protos.Point);
    p->Put("x", std::move(x));
    p->Put("y", std::move(y));
    return Value(p);
}

Value NewRectangle(Vm& vm, Value x, Value y, Value width, Value height) {
    ObjectPtr r = vm.NewObject(vm.Protos.Rectangle);
    r->Put("x", std::move(x));
    r->Put("y", std::move(y));
    r->Put("width", std::move(width));
    r->Put("height", std::move(height));
    return Value(r);
}

Value NewMatrix(Vm& vm, const Matrix& twips) {
    ObjectPtr m = vm.NewObject(vm.Protos.Matrix);
    m->Put("a", twips.A);
    m->Put("b", twips.B);
    m->Put("c", twips.C);
    m->Put("d", twips.D);
    m->Put("tx", twips.Tx / 20);
    m->Put("ty", twips.Ty / 20);
    return Value(m);
}

Matrix ReadMatrix(Vm& vm, const Value& matrix) {
    return {Number(vm, matrix, "a"), Number(vm, matrix, "b"),       Number(vm, matrix, "c"),
            Number(vm, matrix, "d"), Number(vm, matrix, "tx") * 20, Number(vm, matrix, "ty") * 20};
}

ColorTransform ColorTransformObject::ToDisplay() const {
    // Not-a-number reaches the display as nothing.
    auto f = [](double d) { return std::isfinite(d) ? float(d) : 0.0f; };
    return {f(Values[0]), f(Values[1]), f(Values[2]), f(Values[3]),
            f(Values[4]), f(Values[5]), f(Values[6]), f(Values[7])};
}

void ColorTransformObject::FromDisplay(const ColorTransform& c) {
    const float all[8] = {c.MulR, c.MulG, c.MulB, c.MulA, c.AddR, c.AddG, c.AddB, c.AddA};
    std::copy(std::begin(all), std::end(all), Values);
}

Value NewColorTransform(Vm& vm, const ColorTransform& c) {
    auto o = vm.Make<ColorTransformObject>();
    o->Put("__proto__", Value(vm.Protos.ColorTransform), DontEnum);
    o->FromDisplay(c);
    return Value(ObjectPtr(o));
}

ColorTransformObject* AsColorTransform(const Value& v) {
    return v.IsObject() ? dynamic_cast<ColorTransformObject*>(v.Object().get()) : nullptr;
}

} // namespace swf::script::geom
