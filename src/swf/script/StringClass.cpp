#include "swf/script/Builtins.h"
#include "swf/script/Text.h"
#include "swf/script/Vm.h"

#include <algorithm>
#include <cmath>

namespace swf::script::builtins {
namespace {

// A character index argument, clamped to [0, length].
size_t Index(Vm& vm, const Value& v, size_t length, size_t fallback) {
    if (v.IsUndefined())
        return fallback;
    double d = ToInteger(vm.ToNumber(v));
    return static_cast<size_t>(std::clamp(d, 0.0, double(length)));
}

// Negative positions count from the end (substr, slice).
size_t FromEnd(Vm& vm, const Value& v, size_t length, size_t fallback) {
    if (v.IsUndefined())
        return fallback;
    double d = ToInteger(vm.ToNumber(v));
    if (d < 0)
        d += double(length);
    return static_cast<size_t>(std::clamp(d, 0.0, double(length)));
}

Value Text(Vm& vm, const Value& self) {
    if (self.IsObject() && self.Object()->Primitive)
        return vm.ToString(*self.Object()->Primitive);
    return vm.ToString(self);
}

Value IndexOf(Vm& vm, const Value& self, std::span<const Value> args) {
    std::string s = Text(vm, self).String(), what = vm.ToString(Arg(args, 0));
    size_t length = Utf8Length(s);
    size_t from = Index(vm, Arg(args, 1), length, 0);
    size_t at = s.find(what, Utf8Offset(s, from));
    return at == std::string::npos ? -1.0 : double(Utf8Length(s.substr(0, at)));
}

Value LastIndexOf(Vm& vm, const Value& self, std::span<const Value> args) {
    std::string s = Text(vm, self).String(), what = vm.ToString(Arg(args, 0));
    size_t length = Utf8Length(s);
    size_t from = Arg(args, 1).IsUndefined() ? s.size() : Utf8Offset(s, Index(vm, args[1], length, length));
    size_t at = s.rfind(what, from);
    return at == std::string::npos ? -1.0 : double(Utf8Length(s.substr(0, at)));
}

Value Split(Vm& vm, const Value& self, std::span<const Value> args) {
    std::string s = Text(vm, self).String();
    std::vector<Value> parts;
    if (Arg(args, 0).IsUndefined()) {
        parts.push_back(s);
        return vm.NewArray(std::move(parts));
    }
    std::string separator = vm.ToString(args[0]);
    double limit = Arg(args, 1).IsUndefined() ? 1e9 : vm.ToNumber(args[1]);
    if (separator.empty()) {
        size_t n = Utf8Length(s);
        for (size_t i = 0; i < n && double(parts.size()) < limit; ++i)
            parts.push_back(Utf8Substring(s, i, 1));
        return vm.NewArray(std::move(parts));
    }
    size_t pos = 0;
    while (double(parts.size()) < limit) {
        size_t at = s.find(separator, pos);
        parts.push_back(s.substr(pos, at == std::string::npos ? std::string::npos : at - pos));
        if (at == std::string::npos)
            break;
        pos = at + separator.size();
    }
    return vm.NewArray(std::move(parts));
}

void InstallMethods(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "toString",
              [](Vm& vm, const Value& self, std::span<const Value>) { return Text(vm, self); });
    vm.Method(proto, "valueOf",
              [](Vm& vm, const Value& self, std::span<const Value>) { return Text(vm, self); });
    vm.Method(proto, "charAt", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        std::string s = Text(vm, self).String();
        double i = ToInteger(vm.ToNumber(Arg(args, 0)));
        return i < 0 ? std::string() : Utf8Substring(s, static_cast<size_t>(std::min(i, 1e9)), 1);
    });
    vm.Method(proto, "charCodeAt", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        std::string s = Text(vm, self).String();
        double i = ToInteger(vm.ToNumber(Arg(args, 0)));
        int32_t cp = i < 0 ? -1 : Utf8CodePoint(s, static_cast<size_t>(std::min(i, 1e9)));
        return cp < 0 ? std::nan("") : double(cp);
    });
    vm.Method(proto, "indexOf", IndexOf);
    vm.Method(proto, "lastIndexOf", LastIndexOf);
    vm.Method(proto, "substr", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        std::string s = Text(vm, self).String();
        size_t length = Utf8Length(s);
        size_t start = FromEnd(vm, Arg(args, 0), length, 0);
        double count = Arg(args, 1).IsUndefined() ? double(length) : ToInteger(vm.ToNumber(args[1]));
        if (count < 0)
            count = std::max(0.0, double(length - start) + count);
        return Utf8Substring(s, start, static_cast<size_t>(std::min(count, double(length))));
    });
    vm.Method(proto, "substring", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        std::string s = Text(vm, self).String();
        size_t length = Utf8Length(s);
        size_t a = Index(vm, Arg(args, 0), length, 0), b = Index(vm, Arg(args, 1), length, length);
        if (a > b)
            std::swap(a, b);
        return Utf8Substring(s, a, b - a);
    });
    vm.Method(proto, "slice", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        std::string s = Text(vm, self).String();
        size_t length = Utf8Length(s);
        size_t a = FromEnd(vm, Arg(args, 0), length, 0), b = FromEnd(vm, Arg(args, 1), length, length);
        return a >= b ? std::string() : Utf8Substring(s, a, b - a);
    });
    vm.Method(proto, "split", Split);
    vm.Method(proto, "toUpperCase", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return ToUpperAscii(Text(vm, self).String());
    });
    vm.Method(proto, "toLowerCase", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        return ToLowerAscii(Text(vm, self).String());
    });
    vm.Method(proto, "concat", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        std::string s = Text(vm, self).String();
        for (const Value& v : args)
            s += vm.ToString(v);
        return s;
    });
}

} // namespace

void InstallString(Vm& vm) {
    vm.Protos.String = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.String;
    ObjectPtr ctor = WrapperClass(vm, proto, "String", [](Vm& vm, std::span<const Value> args) -> Value {
        return args.empty() ? std::string() : vm.ToString(args[0]);
    });
    InstallMethods(vm, proto);
    vm.Method(ctor, "fromCharCode", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        std::string s;
        for (const Value& v : args) {
            uint32_t cp = static_cast<uint32_t>(ToInt32(vm.ToNumber(v))) & 0xFFFF;
            if (cp)
                s += Utf8Encode(cp);
        }
        return s;
    });
}

} // namespace swf::script::builtins
