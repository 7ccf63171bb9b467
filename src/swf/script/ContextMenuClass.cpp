#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {
namespace {

// The player's own menu entries a movie may hide, in the order for..in
// lists them.
constexpr const char* BuiltInNames[] = {"save", "zoom",   "quality",      "play",
                                        "loop", "rewind", "forward_back", "print"};

// Copies the enumerable properties of an object into a new one (the
// newest first in the copy as in the original).
ObjectPtr CopyOf(Vm& vm, const Value& from) {
    ObjectPtr copy = vm.NewObject();
    if (!from.IsObject())
        return copy;
    auto names = vm.EnumerableNames(from.Object());
    for (auto it = names.rbegin(); it != names.rend(); ++it)
        copy->Put(*it, vm.GetMember(from, *it));
    return copy;
}

// A menu's fields, set in reverse so that for..in lists customItems,
// builtInItems and onSelect in that order.
void SetUpMenu(Vm& vm, const ObjectPtr& menu, const Value& onSelect, ObjectPtr builtIns,
               std::vector<Value> customItems) {
    menu->Put("onSelect", onSelect);
    menu->Put("builtInItems", Value(std::move(builtIns)));
    menu->Put("customItems", Value(vm.NewArray(std::move(customItems))));
}

Value ConstructMenu(Vm& vm, const Value& self, std::span<const Value> args) {
    ObjectPtr builtIns = vm.NewObject();
    for (auto it = std::rbegin(BuiltInNames); it != std::rend(BuiltInNames); ++it)
        builtIns->Put(*it, true);
    if (self.IsObject())
        SetUpMenu(vm, self.Object(), Arg(args, 0), builtIns, {});
    return self;
}

Value CopyMenu(Vm& vm, const Value& self, const ObjectPtr& proto) {
    ObjectPtr copy = vm.NewObject(proto);
    std::vector<Value> items;
    if (auto list = dynamic_cast<ArrayObject*>(vm.ToObject(vm.GetMember(self, "customItems")).get()))
        items = list->Elements;
    SetUpMenu(vm, copy, vm.GetMember(self, "onSelect"), CopyOf(vm, vm.GetMember(self, "builtInItems")),
              std::move(items));
    return Value(copy);
}

Value HideBuiltIns(Vm& vm, const Value& self, std::span<const Value>) {
    Value builtIns = vm.GetMember(self, "builtInItems");
    if (builtIns.IsObject())
        for (const char* name : BuiltInNames)
            builtIns.Object()->Put(name, false);
    return {};
}

// ContextMenuItem(caption, onSelect, separatorBefore, enabled, visible).
void SetUpItem(Vm& vm, const ObjectPtr& item, std::span<const Value> args) {
    item->Put("caption", Value(vm.ToString(Arg(args, 0))));
    item->Put("onSelect", Arg(args, 1));
    item->Put("separatorBefore", args.size() > 2 ? Value(vm.ToBoolean(args[2])) : Value(false));
    item->Put("enabled", args.size() > 3 ? Value(vm.ToBoolean(args[3])) : Value(true));
    item->Put("visible", args.size() > 4 ? Value(vm.ToBoolean(args[4])) : Value(true));
}

void InstallMenuItem(Vm& vm) {
    ObjectPtr proto = vm.NewObject();
    NativeCall construct = [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (self.IsObject())
            SetUpItem(vm, self.Object(), args);
        return self;
    };
    ObjectPtr ctor = vm.NewClass(proto, construct, construct);
    vm.Method(proto, "copy", [proto](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        ObjectPtr copy = vm.NewObject(proto);
        std::vector<Value> args;
        for (const char* name : {"caption", "onSelect", "separatorBefore", "enabled", "visible"})
            args.push_back(vm.GetMember(self, name));
        SetUpItem(vm, copy, args);
        return Value(copy);
    });
    vm.Global()->Put("ContextMenuItem", Value(ctor), DontEnum);
}

} // namespace

// The movie's entries in the player's right-click menu. The player keeps
// its own menu (the movie cannot take it over), so these only hold what the
// movie sets.
void InstallContextMenu(Vm& vm) {
    ObjectPtr proto = vm.NewObject();
    ObjectPtr ctor = vm.NewClass(proto, ConstructMenu, ConstructMenu);
    vm.Method(proto, "copy", [proto](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return CopyMenu(vm, self, proto);
    });
    vm.Method(proto, "hideBuiltInItems", HideBuiltIns);
    vm.Global()->Put("ContextMenu", Value(ctor), DontEnum);
    InstallMenuItem(vm);
}

} // namespace swf::script::builtins
