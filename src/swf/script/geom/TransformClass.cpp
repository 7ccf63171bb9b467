#include "swf/Timeline.h"
#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomClasses.h"
#include "swf/script/geom/GeomSupport.h"

namespace swf::script::geom {
namespace {

using builtins::Arg;

// flash.geom.Transform: a view of one clip's matrix and colours.
class TransformObject : public Object {
public:
    using Object::Object;
    ObjectPtr Clip;
    void DropReferences() override {
        Clip.reset();
        Object::DropReferences();
    }
};

DisplayObject* Placed(Vm& vm, const Value& transform) {
    auto* t = transform.IsObject() ? dynamic_cast<TransformObject*>(transform.Object().get()) : nullptr;
    Timeline* timeline = t && t->Clip ? vm.TimelineOf(Value(t->Clip)) : nullptr;
    return timeline ? timeline->Self() : nullptr;
}

Value NewTransform(Vm& vm, const Value& clip) {
    if (!vm.TimelineOf(clip))
        return {};
    auto t = vm.Make<TransformObject>();
    t->Put("__proto__", Value(vm.Protos.Transform), DontEnum);
    t->Clip = clip.Object();
    return Value(ObjectPtr(t));
}

// The clip's matrix and colours with those of every parent.
template <class T> T Concatenated(Vm& vm, const Value& transform, T DisplayObject::*member) {
    auto* t = dynamic_cast<TransformObject*>(transform.Object().get());
    T total{};
    for (Timeline* timeline = vm.TimelineOf(Value(t->Clip)); timeline; timeline = timeline->Parent())
        if (DisplayObject* placed = timeline->Self())
            total = (placed->*member).Then(total);
    return total;
}

void Accessors(Vm& vm, const ObjectPtr& proto) {
    Accessor(
        vm, proto, "matrix",
        [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
            DisplayObject* placed = Placed(vm, self);
            return placed ? NewMatrix(vm, placed->Transform) : Value();
        },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            DisplayObject* placed = Placed(vm, self);
            if (placed && IsA(Arg(args, 0), vm.Protos.Matrix))
                placed->Transform = ReadMatrix(vm, args[0]);
            return {};
        });
    Accessor(
        vm, proto, "colorTransform",
        [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
            DisplayObject* placed = Placed(vm, self);
            return placed ? NewColorTransform(vm, placed->Colors) : Value();
        },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            DisplayObject* placed = Placed(vm, self);
            if (const ColorTransformObject* c = AsColorTransform(Arg(args, 0)); placed && c)
                placed->Colors = c->ToDisplay();
            return {};
        });
    Accessor(vm, proto, "concatenatedMatrix", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return Placed(vm, self) ? NewMatrix(vm, Concatenated(vm, self, &DisplayObject::Transform)) : Value();
    });
    Accessor(vm, proto, "concatenatedColorTransform",
             [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
                 return Placed(vm, self)
                            ? NewColorTransform(vm, Concatenated(vm, self, &DisplayObject::Colors))
                            : Value();
             });
}

} // namespace

void InstallTransform(Vm& vm) {
    vm.Protos.Transform = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.Transform;
    Class(vm, Package(vm, "geom"), "Transform", proto, [](Vm& vm, const Value&, std::span<const Value> args) {
        // Without a clip there is no transform to make.
        Value t = NewTransform(vm, Arg(args, 0));
        return t.IsUndefined() ? Value::Null() : t;
    });
    Accessors(vm, proto);
    // Every read of a clip's transform is a new object.
    Accessor(
        vm, vm.Protos.MovieClip, "transform",
        [](Vm& vm, const Value& self, std::span<const Value>) { return NewTransform(vm, self); },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            Timeline* timeline = vm.TimelineOf(self);
            DisplayObject* target = timeline ? timeline->Self() : nullptr;
            DisplayObject* source = Placed(vm, Arg(args, 0));
            if (target && source && source != target) {
                target->Transform = source->Transform;
                target->Colors = source->Colors;
            }
            return {};
        });
}

} // namespace swf::script::geom
