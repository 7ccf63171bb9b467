#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {
namespace {

ArrayObject* Listeners(Vm& vm, const Value& self) {
    Value list = vm.GetMember(self, "_listeners");
    return list.IsObject() ? dynamic_cast<ArrayObject*>(list.Object().get()) : nullptr;
}

} // namespace

// Broadcasters keep their listeners in _listeners, as the plug-in's do, so
// a movie that edits the array directly changes who hears.
void MakeBroadcaster(Vm& vm, const ObjectPtr& object) {
    object->Put("_listeners", Value(vm.NewArray()), DontEnum);
    vm.Method(object, "addListener", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (ArrayObject* a = Listeners(vm, self)) {
            for (const Value& v : a->Elements)
                if (v == Arg(args, 0))
                    return true;
            a->Elements.push_back(Arg(args, 0));
        }
        return true;
    });
    vm.Method(object, "removeListener", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (ArrayObject* a = Listeners(vm, self))
            for (auto it = a->Elements.begin(); it != a->Elements.end(); ++it)
                if (*it == Arg(args, 0)) {
                    a->Elements.erase(it);
                    return true;
                }
        return false;
    });
    vm.Method(object, "broadcastMessage",
              [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  ArrayObject* a = Listeners(vm, self);
                  if (!a || args.empty())
                      return {};
                  std::string method = vm.ToString(args[0]);
                  // A listener that removes itself must not make the next one miss.
                  std::vector<Value> copy = a->Elements;
                  for (const Value& listener : copy)
                      vm.CallMethod(listener, method, args.subspan(1));
                  return {};
              });
}

} // namespace swf::script::builtins
