#include "swf/script/Builtins.h"
#include "swf/script/ClipObject.h"
#include "swf/script/Scope.h"
#include "swf/script/TextFieldObject.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {
namespace {

// The Selection object: which text field (or clip) has the focus, and its
// listeners. There is no typing into fields yet, so the selection is empty
// and the caret stands at 0 in the focused field.
class SelectionObject : public Object {
public:
    using Object::Object;
    ObjectPtr Focus;
    std::vector<ObjectPtr> Listeners;

    void DropReferences() override {
        Focus.reset();
        Listeners.clear();
        Object::DropReferences();
    }
};

SelectionObject* SelectionOf(const Value& self) {
    return self.IsObject() ? dynamic_cast<SelectionObject*>(self.Object().get()) : nullptr;
}

// A focused object still on the stage.
bool Alive(const ObjectPtr& o) {
    if (auto clip = dynamic_cast<ClipObject*>(o.get()))
        return clip->GetTimeline() != nullptr;
    auto field = dynamic_cast<TextFieldObject*>(o.get());
    return field && field->Display();
}

Value FocusValue(Vm& vm, SelectionObject& s) {
    if (!s.Focus || !Alive(s.Focus))
        return Value::Null();
    return Value(vm.ToString(Value(s.Focus)));
}

Value SetFocus(Vm& vm, const Value& self, std::span<const Value> args) {
    SelectionObject* s = SelectionOf(self);
    if (!s)
        return false;
    Value target = Arg(args, 0);
    ObjectPtr next;
    if (target.IsString()) {
        Activation a = vm.FrameActivation(vm.ClipObjectFor(*vm.Root()));
        next = Scope(vm, a).ResolvePath(target.String());
    } else if (target.IsObject()) {
        next = target.Object();
    } else if (!target.IsNull()) {
        return false;
    }
    if (next == s->Focus)
        return true;
    Value old = s->Focus ? Value(s->Focus) : Value::Null();
    Value now = next ? Value(next) : Value::Null();
    if (s->Focus) {
        Value arg[] = {now};
        vm.CallMethod(Value(s->Focus), "onKillFocus", arg);
    }
    s->Focus = next;
    if (next) {
        Value arg[] = {old};
        vm.CallMethod(now, "onSetFocus", arg);
    }
    Value both[] = {old, now};
    for (ObjectPtr listener : std::vector<ObjectPtr>(s->Listeners))
        vm.CallMethod(Value(listener), "onSetFocus", both);
    return true;
}

// The caret and selection bounds: -1 without a focused field.
Value Index(Vm&, const Value& self, std::span<const Value>) {
    SelectionObject* s = SelectionOf(self);
    return s && s->Focus && Alive(s->Focus) && dynamic_cast<TextFieldObject*>(s->Focus.get()) ? 0.0 : -1.0;
}

} // namespace

void InstallSelection(Vm& vm) {
    auto selection = vm.Make<SelectionObject>();
    selection->Put("__proto__", Value(vm.Protos.Object), DontEnum);
    vm.Method(selection, "getFocus", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        SelectionObject* s = SelectionOf(self);
        return s ? FocusValue(vm, *s) : Value::Null();
    });
    vm.Method(selection, "setFocus", SetFocus);
    for (const char* name : {"getBeginIndex", "getEndIndex", "getCaretIndex"})
        vm.Method(selection, name, Index);
    vm.Method(selection, "setSelection",
              [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
    vm.Method(selection, "addListener", [](Vm&, const Value& self, std::span<const Value> args) -> Value {
        SelectionObject* s = SelectionOf(self);
        if (!s || !Arg(args, 0).IsObject())
            return false;
        std::erase(s->Listeners, args[0].Object());
        s->Listeners.push_back(args[0].Object());
        return true;
    });
    vm.Method(selection, "removeListener", [](Vm&, const Value& self, std::span<const Value> args) -> Value {
        SelectionObject* s = SelectionOf(self);
        if (!s || !Arg(args, 0).IsObject())
            return false;
        return std::erase(s->Listeners, args[0].Object()) > 0;
    });
    vm.Global()->Put("Selection", Value(ObjectPtr(selection)), DontEnum);
}

} // namespace swf::script::builtins
