#include "swf/script/Builtins.h"
#include "swf/script/Loading.h"
#include "swf/script/Text.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {
namespace {

// The default onData: the text's variables are set on the object, by its
// decode method.
Value OnData(Vm& vm, const Value& self, std::span<const Value> args) {
    FinishTextLoad(vm, self, Arg(args, 0), [&vm, &self](const std::string& text) {
        Value source[] = {Value(text)};
        vm.CallMethod(self, "decode", source);
    });
    return {};
}

// The variables as form data, in for..in order.
Value ToForm(Vm& vm, const Value& self, std::span<const Value>) {
    if (!self.IsObject())
        return {};
    std::string form;
    for (const std::string& name : vm.EnumerableNames(self.Object())) {
        if (!form.empty())
            form += '&';
        form += UrlEscape(name) + '=' + UrlEscape(vm.ToString(vm.GetMember(self, name)));
    }
    return form;
}

} // namespace

void InstallLoadVars(Vm& vm) {
    vm.Protos.LoadVars = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.LoadVars;
    ObjectPtr ctor = vm.NewClass(
        proto, [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; },
        [](Vm&, const Value& self, std::span<const Value>) -> Value { return self; });
    vm.Method(proto, "decode", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (self.IsObject() && !args.empty())
            DecodeForm(vm, self, vm.ToString(args[0]));
        return {};
    });
    vm.Method(proto, "toString", ToForm);
    vm.Method(proto, "onData", OnData);
    vm.Method(proto, "onLoad", [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
    InstallLoadMethods(vm, proto);
    proto->Put("contentType", Value("application/x-www-form-urlencoded"), DontEnum);
    vm.Global()->Put("LoadVars", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
