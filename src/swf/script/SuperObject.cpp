#include "swf/script/SuperObject.h"

#include "swf/script/Function.h"
#include "swf/script/Vm.h"

namespace swf::script {

std::optional<Value> SuperObject::GetComputed(Vm& vm, const std::string& name) {
    if (name == "__proto__") {
        ObjectPtr above = base_ ? base_->Proto() : nullptr;
        return above ? Value(above) : Value();
    }
    return vm.Lookup(base_, name, self_, nullptr);
}

bool SuperObject::SetComputed(Vm& vm, const std::string& name, const Value& v) {
    // Only a setter of the parent classes takes an assignment to super.
    Object* o = base_.get();
    for (int i = 0; o && i < Vm::MaxProtoChain; ++i, o = o->Proto().get()) {
        Property* p = o->FindOwn(name);
        if (!p)
            continue;
        if (p->Setter) {
            Value args[] = {v};
            vm.CallFrom(Value(p->Setter), self_, args, o->shared_from_this());
        }
        break;
    }
    return true;
}

Value SuperObject::CallMethod(Vm& vm, const std::string& name, std::span<const Value> args) {
    if (name.empty()) {
        // A built-in class makes `this` one of its own.
        auto native =
            constructor_.IsObject() ? dynamic_cast<NativeFunction*>(constructor_.Object().get()) : nullptr;
        if (native && native->Constructor())
            return native->Constructor()(vm, self_, args);
        return vm.CallFrom(constructor_, self_, args, base_);
    }
    ObjectPtr holder;
    Value f = vm.Lookup(base_, name, self_, &holder);
    return vm.CallFrom(f, self_, args, holder);
}

void SuperObject::DropReferences() {
    Object::DropReferences();
    base_.reset();
    self_ = Value();
    constructor_ = Value();
}

} // namespace swf::script
