#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {
namespace {

Value ObjectToString(Vm&, const Value& self, std::span<const Value>) {
    if (self.IsObject() && self.Object()->Callable())
        return "[type Function]";
    return "[object Object]";
}

Value HasOwnProperty(Vm& vm, const Value& self, std::span<const Value> args) {
    // No name, or an empty one, is never an own property.
    if (!self.IsObject() || args.empty())
        return false;
    std::string name = vm.ToString(args[0]);
    if (name.empty())
        return false;
    const ObjectPtr& o = self.Object();
    bool element = dynamic_cast<ArrayObject*>(o.get()) && ArrayIndex(name) && o->GetComputed(vm, name);
    // Properties hidden from the movie's version are still its own.
    return o->FindOwnAnyVersion(name) != nullptr || element;
}

Value IsPrototypeOf(Vm&, const Value& self, std::span<const Value> args) {
    Value v = Arg(args, 0);
    if (!self.IsObject() || !v.IsObject())
        return false;
    int guard = 0;
    for (ObjectPtr o = v.Object()->Proto(); o && guard++ < 256; o = o->Proto())
        if (o == self.Object())
            return true;
    return false;
}

Value IsPropertyEnumerable(Vm& vm, const Value& self, std::span<const Value> args) {
    if (!self.IsObject())
        return false;
    const Property* p = self.Object()->FindOwn(vm.ToString(Arg(args, 0)));
    return p && !(p->Flags & DontEnum);
}

Value AddProperty(Vm& vm, const Value& self, std::span<const Value> args) {
    std::string name = vm.ToString(Arg(args, 0));
    Value getter = Arg(args, 1), setter = Arg(args, 2);
    if (!self.IsObject() || name.empty() || !getter.IsObject() || !getter.Object()->Callable())
        return false;
    if (!setter.IsNull() && !(setter.IsObject() && setter.Object()->Callable()))
        return false;
    const ObjectPtr& o = self.Object();
    const Property* old = o->FindOwn(name);
    uint8_t flags = old ? old->Flags : 0;
    o->Put(name, Value(), flags);
    Property* p = o->FindOwn(name);
    p->Getter = getter.Object();
    if (setter.IsObject())
        p->Setter = setter.Object();
    return true;
}

// Links a symbol to a class: instances of it made from then on get the
// class's prototype and run its constructor. Anything but a function as
// the class takes the link away.
Value RegisterClass(Vm& vm, const Value&, std::span<const Value> args) {
    if (args.size() < 2)
        return false;
    Value constructor = args[1];
    bool callable = constructor.IsObject() && constructor.Object()->Callable();
    vm.RegisterClass(vm.ToString(args[0]), callable ? constructor.Object() : nullptr);
    return true;
}

} // namespace

void InstallObject(Vm& vm) {
    const ObjectPtr& proto = vm.Protos.Object;
    ObjectPtr ctor = vm.NewClass(
        proto,
        [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
            Value v = Arg(args, 0);
            return v.IsNullish() ? Value(vm.NewObject()) : Value(vm.ToObject(v));
        },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            Value v = Arg(args, 0);
            return v.IsNullish() ? self : Value(vm.ToObject(v));
        });
    vm.Method(proto, "toString", ObjectToString);
    vm.Method(proto, "toLocaleString", ObjectToString);
    vm.Method(proto, "valueOf", [](Vm&, const Value& self, std::span<const Value>) { return self; });
    vm.Method(proto, "hasOwnProperty", HasOwnProperty);
    vm.Method(proto, "isPrototypeOf", IsPrototypeOf);
    vm.Method(proto, "isPropertyEnumerable", IsPropertyEnumerable);
    vm.Method(proto, "addProperty", AddProperty);
    vm.Method(proto, "watch", [](Vm&, const Value&, std::span<const Value>) -> Value { return false; });
    vm.Method(proto, "unwatch", [](Vm&, const Value&, std::span<const Value>) -> Value { return false; });
    vm.Method(ctor, "registerClass", RegisterClass);
    vm.Global()->Put("Object", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
