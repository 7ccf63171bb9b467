#include "swf/script/Builtins.h"
#include "swf/script/Text.h"
#include "swf/script/Vm.h"

#include <algorithm>
#include <cmath>

namespace swf::script::builtins {
namespace {

// The text a method works on, in UTF-16 units as the plug-in counts them.
std::u16string Units(Vm& vm, const Value& self) {
    if (self.IsObject() && self.Object()->Primitive)
        return ToUtf16(vm.ToString(*self.Object()->Primitive));
    return ToUtf16(vm.ToString(self));
}

Value Text(Vm& vm, const Value& self) { return FromUtf16(Units(vm, self)); }

// Positions wrap to 32 bits as the plug-in reads them (4294967297 is 1).
int64_t Position(Vm& vm, const Value& v) { return ToInt32(vm.ToNumber(v)); }

// A position clamped to [0, length], undefined giving the fallback.
size_t Clamped(Vm& vm, const Value& v, size_t length, size_t fallback) {
    if (v.IsUndefined())
        return fallback;
    return static_cast<size_t>(std::clamp<int64_t>(Position(vm, v), 0, int64_t(length)));
}

// Negative positions count from the end (substr, slice).
size_t FromEnd(Vm& vm, const Value& v, size_t length, size_t fallback) {
    if (v.IsUndefined())
        return fallback;
    int64_t p = Position(vm, v);
    if (p < 0)
        p += int64_t(length);
    return static_cast<size_t>(std::clamp<int64_t>(p, 0, int64_t(length)));
}

Value Piece(const std::u16string& s, size_t start, size_t end) {
    return start >= end ? std::string() : FromUtf16(s.substr(start, end - start));
}

Value CharAt(Vm& vm, const Value& self, std::span<const Value> args) {
    std::u16string s = Units(vm, self);
    int64_t i = Position(vm, Arg(args, 0));
    return i < 0 || size_t(i) >= s.size() ? std::string() : FromUtf16(s.substr(size_t(i), 1));
}

// Past the end SWF 5 reads 0, later versions NaN; before the start NaN.
Value CharCodeAt(Vm& vm, const Value& self, std::span<const Value> args) {
    std::u16string s = Units(vm, self);
    int64_t i = Position(vm, Arg(args, 0));
    if (i < 0)
        return std::nan("");
    if (size_t(i) >= s.size())
        return vm.Version() < 6 ? 0.0 : std::nan("");
    return double(s[size_t(i)]);
}

Value IndexOf(Vm& vm, const Value& self, std::span<const Value> args) {
    if (args.empty())
        return {};
    std::u16string s = Units(vm, self), what = ToUtf16(vm.ToString(args[0]));
    int64_t from = std::max<int64_t>(Arg(args, 1).IsUndefined() ? 0 : Position(vm, args[1]), 0);
    if (from > int64_t(s.size()))
        return -1.0;
    size_t at = s.find(what, size_t(from));
    return at == std::u16string::npos ? -1.0 : double(at);
}

Value LastIndexOf(Vm& vm, const Value& self, std::span<const Value> args) {
    if (args.empty())
        return {};
    std::u16string s = Units(vm, self), what = ToUtf16(vm.ToString(args[0]));
    int64_t from = Arg(args, 1).IsUndefined() ? int64_t(s.size()) : Position(vm, args[1]);
    if (from < 0)
        return -1.0;
    size_t at = s.rfind(what, size_t(from));
    return at == std::u16string::npos ? -1.0 : double(at);
}

Value Substr(Vm& vm, const Value& self, std::span<const Value> args) {
    if (args.empty())
        return {};
    std::u16string s = Units(vm, self);
    size_t start = FromEnd(vm, args[0], s.size(), 0);
    int64_t count = Arg(args, 1).IsUndefined() ? int64_t(s.size()) : Position(vm, args[1]);
    if (count < 0)
        count = std::max<int64_t>(0, int64_t(s.size() - start) + count);
    return Piece(s, start, start + std::min<size_t>(size_t(count), s.size() - start));
}

Value Substring(Vm& vm, const Value& self, std::span<const Value> args) {
    if (args.empty())
        return {};
    std::u16string s = Units(vm, self);
    size_t a = Clamped(vm, args[0], s.size(), 0), b = Clamped(vm, Arg(args, 1), s.size(), s.size());
    return Piece(s, std::min(a, b), std::max(a, b));
}

Value Slice(Vm& vm, const Value& self, std::span<const Value> args) {
    if (args.empty())
        return {};
    std::u16string s = Units(vm, self);
    return Piece(s, FromEnd(vm, args[0], s.size(), 0), FromEnd(vm, Arg(args, 1), s.size(), s.size()));
}

// SWF 5 splits at commas without a separator and keeps the text whole for
// an empty one; later versions keep it whole without a separator and split
// between every unit for an empty one. A limit of 0 or less (null too)
// gives nothing, except where the text stays whole from SWF 6.
Value Split(Vm& vm, const Value& self, std::span<const Value> args) {
    std::u16string s = Units(vm, self);
    bool old = vm.Version() < 6;
    Value separatorArg = Arg(args, 0);
    std::vector<Value> parts;
    if (separatorArg.IsUndefined() && !old) {
        parts.push_back(FromUtf16(s));
        return vm.NewArray(std::move(parts));
    }
    std::u16string separator = separatorArg.IsUndefined() ? u"," : ToUtf16(vm.ToString(separatorArg));
    int64_t limit = Arg(args, 1).IsUndefined() ? INT64_MAX : Position(vm, args[1]);
    if (separator.empty() && old) {
        if (limit > 0)
            parts.push_back(FromUtf16(s));
        return vm.NewArray(std::move(parts));
    }
    if (separator.empty()) {
        for (size_t i = 0; i < s.size() && int64_t(parts.size()) < limit; ++i)
            parts.push_back(FromUtf16(s.substr(i, 1)));
        return vm.NewArray(std::move(parts));
    }
    for (size_t pos = 0; int64_t(parts.size()) < limit;) {
        size_t at = s.find(separator, pos);
        parts.push_back(
            FromUtf16(s.substr(pos, at == std::u16string::npos ? std::u16string::npos : at - pos)));
        if (at == std::u16string::npos)
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
    vm.Method(proto, "charAt", CharAt);
    vm.Method(proto, "charCodeAt", CharCodeAt);
    vm.Method(proto, "indexOf", IndexOf);
    vm.Method(proto, "lastIndexOf", LastIndexOf);
    vm.Method(proto, "substr", Substr);
    vm.Method(proto, "substring", Substring);
    vm.Method(proto, "slice", Slice);
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
    // Each argument is one UTF-16 unit; a zero ends the text.
    vm.Method(ctor, "fromCharCode", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        std::u16string units;
        for (const Value& v : args) {
            auto unit = static_cast<char16_t>(static_cast<uint32_t>(ToInt32(vm.ToNumber(v))) & 0xFFFF);
            if (unit == 0)
                break;
            units += unit;
        }
        return FromUtf16(units);
    });
}

} // namespace swf::script::builtins
