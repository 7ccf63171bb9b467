#include "swf/script/Loading.h"

#include "swf/MovieLoader.h"
#include "swf/script/Builtins.h"
#include "swf/script/Text.h"
#include "swf/script/Vm.h"

#include <algorithm>

namespace swf::script::builtins {
namespace {

// The byte counts stay when a script deletes them, as the plug-in's do.
constexpr uint8_t CountFlags = DontEnum | DontDelete;

std::string AsText(const std::vector<uint8_t>& bytes) {
    size_t skip = bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF ? 3 : 0;
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(skip), bytes.end());
}

// Hands `text` (undefined for a failed load) to the object's onData.
void Deliver(Vm& vm, const Value& target, const std::optional<std::vector<uint8_t>>& bytes) {
    Value text;
    if (bytes) {
        double size = double(bytes->size());
        target.Object()->Put("_bytesLoaded", size, CountFlags);
        target.Object()->Put("_bytesTotal", size, CountFlags);
        text = Value(AsText(*bytes));
    }
    Value args[] = {text};
    vm.CallMethod(target, "onData", args);
}

Value Count(Vm& vm, const Value& self, const char* name) {
    return self.IsObject() ? vm.GetMember(self, name) : Value();
}

} // namespace

void DecodeForm(Vm& vm, const Value& target, const std::string& form) {
    size_t pos = 0;
    while (pos < form.size()) {
        size_t end = std::min(form.find('&', pos), form.size());
        std::string pair = form.substr(pos, end - pos);
        size_t equals = pair.find('=');
        if (equals != std::string::npos && equals > 0)
            vm.SetMember(target, UrlUnescape(pair.substr(0, equals)),
                         Value(UrlUnescape(pair.substr(equals + 1))));
        pos = end + 1;
    }
}

void FinishTextLoad(Vm& vm, const Value& self, const Value& text,
                    const std::function<void(const std::string&)>& use) {
    if (!text.IsUndefined()) {
        use(vm.ToString(text));
        vm.SetMember(self, "loaded", Value(true));
    }
    Value success[] = {Value(!text.IsUndefined())};
    vm.CallMethod(self, "onLoad", success);
}

bool StartTextLoad(Vm& vm, const Value& target, const std::string& url) {
    if (!vm.Loader || !target.IsObject())
        return false;
    target.Object()->Put("_bytesLoaded", 0.0, CountFlags);
    target.Object()->Put("_bytesTotal", Value(), CountFlags);
    vm.SetMember(target, "loaded", Value(false));
    return vm.Loader->Later([&vm, target, url] { Deliver(vm, target, vm.Loader->Read(url)); });
}

void InstallLoadMethods(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "load", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (args.empty())
            return false;
        return StartTextLoad(vm, self, vm.ToString(args[0]));
    });
    // Sending needs a server; the target hears of the failure as it would
    // of a missing file.
    vm.Method(proto, "sendAndLoad", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        Value target = Arg(args, 1);
        if (!vm.Loader || !target.IsObject())
            return false;
        return vm.Loader->Later([&vm, target] { Deliver(vm, target, std::nullopt); });
    });
    vm.Method(proto, "send", [](Vm&, const Value&, std::span<const Value>) -> Value { return false; });
    vm.Method(proto, "addRequestHeader",
              [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
    vm.Method(proto, "getBytesLoaded", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return Count(vm, self, "_bytesLoaded");
    });
    vm.Method(proto, "getBytesTotal", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return Count(vm, self, "_bytesTotal");
    });
}

} // namespace swf::script::builtins
