#include "swf/script/Builtins.h"
#include "swf/script/Text.h"
#include "swf/script/Vm.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace swf::script::builtins {
namespace {

int DigitValue(char c) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'z' ? c - 'a' + 10 : 99;
}

bool IsSign(char c) { return c == '-' || c == '+'; }

bool IsHexMark(const std::string& s, size_t pos) {
    return pos + 1 < s.size() && s[pos] == '0' && (s[pos + 1] == 'x' || s[pos + 1] == 'X');
}

// The plug-in's own reading of prefixes: "0x" counts only at the very
// start, where it sets base 16 and may be followed by blanks and a sign; a
// sign before "0x" is dropped along with the zero (the digits then start
// at the 'x'); a leading zero reads octal only when the whole rest is
// octal digits; a base given must lie in 2..36.
Value ParseInt(Vm& vm, const Value&, std::span<const Value> args) {
    if (args.empty())
        return {};
    std::string s = vm.ToString(args[0]);
    int radix = 0;
    if (args.size() > 1) {
        radix = static_cast<int>(ToInteger(vm.ToNumber(args[1])));
        if (radix < 2 || radix > 36)
            return std::nan("");
    }
    size_t pos = 0;
    bool negative = false;
    if (IsHexMark(s, 0) || (!s.empty() && IsSign(s[0]) && IsHexMark(s, 1))) {
        pos = 2;
        if (radix == 0)
            radix = 16;
    } else if (radix == 0) {
        size_t first = !s.empty() && IsSign(s[0]) ? 1 : 0;
        bool octal = first + 1 < s.size() && s[first] == '0' &&
                     s.find_first_not_of("01234567", first) == std::string::npos;
        radix = octal ? 8 : 10;
    }
    while (pos < s.size() && std::isspace(static_cast<unsigned char>(s[pos])))
        ++pos;
    if (pos < s.size() && IsSign(s[pos]))
        negative = s[pos++] == '-';
    double n = 0;
    bool any = false;
    for (; pos < s.size() && DigitValue(s[pos]) < radix; ++pos, any = true)
        n = n * radix + DigitValue(s[pos]);
    if (!any)
        return std::nan("");
    return negative ? -n : n;
}

// The plug-in's decimal reader: digits accumulate one at a time (so its
// results may differ from the nearest double in the last bit), dots after
// the first are skipped but rule out an exponent, and the exponent wraps
// as a 32-bit integer.
double ReadDecimal(const std::string& s) {
    size_t pos = 0;
    while (pos < s.size() && std::isspace(static_cast<unsigned char>(s[pos])))
        ++pos;
    bool negative = false;
    if (pos < s.size() && IsSign(s[pos]))
        negative = s[pos++] == '-';
    double value = 0, scale = 1;
    bool digits = false, dot = false, extraDot = false;
    for (; pos < s.size(); ++pos) {
        char c = s[pos];
        if (c >= '0' && c <= '9') {
            digits = true;
            if (dot)
                value += (c - '0') * (scale /= 10);
            else
                value = value * 10 + (c - '0');
        } else if (c == '.') {
            extraDot = dot;
            dot = true;
        } else {
            break;
        }
    }
    if (!digits)
        return std::nan("");
    if (!extraDot && pos + 1 < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        size_t e = pos + 1;
        bool negativeExponent = false;
        if (IsSign(s[e]))
            negativeExponent = s[e++] == '-';
        uint32_t exponent = 0;
        bool any = false;
        for (; e < s.size() && std::isdigit(static_cast<unsigned char>(s[e])); ++e, any = true)
            exponent = exponent * 10 + uint32_t(s[e] - '0');
        if (any) {
            auto signedExponent = static_cast<int32_t>(exponent);
            value *= std::pow(10.0, negativeExponent ? -double(signedExponent) : double(signedExponent));
        }
    }
    return negative ? -value : value;
}

Value ParseFloat(Vm& vm, const Value&, std::span<const Value> args) {
    if (args.empty())
        return {};
    return ReadDecimal(vm.ToString(args[0]));
}

Value Escape(Vm& vm, const Value&, std::span<const Value> args) { return UrlEscape(vm.ToString(Arg(args, 0))); }

Value Unescape(Vm& vm, const Value&, std::span<const Value> args) {
    if (args.empty())
        return {};
    return UrlUnescape(vm.ToString(args[0]));
}

std::vector<std::string> PropertyNames(Vm& vm, const ObjectPtr& object, const Value& list) {
    std::vector<std::string> names;
    if (list.IsNull()) {
        for (const Property* p : object->OwnProperties())
            names.push_back(p->Name);
    } else if (auto a = list.IsObject() ? dynamic_cast<ArrayObject*>(list.Object().get()) : nullptr) {
        for (const Value& v : a->Elements)
            names.push_back(vm.ToString(v));
    } else {
        std::string s = vm.ToString(list);
        size_t pos = 0;
        while (pos <= s.size()) {
            size_t comma = s.find(',', pos);
            names.push_back(s.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
            if (comma == std::string::npos)
                break;
            pos = comma + 1;
        }
    }
    return names;
}

// Whether ASSetPropFlags's version bits hide a property from a movie:
// 0x80 from SWF 5 and before, 0x100 from SWF 6 alone, 0x400 before SWF 7,
// 0x1000 before SWF 8, 0x2000 before SWF 9, 0x4000 always.
bool HiddenByVersionBits(uint16_t bits, int version) {
    return (bits & 0x4000) || (version < 9 && (bits & 0x2000)) || (version < 8 && (bits & 0x1000)) ||
           (version < 7 && (bits & 0x400)) || (version == 6 && (bits & 0x100)) ||
           (version < 6 && (bits & 0x80));
}

Value AsSetPropFlags(Vm& vm, const Value&, std::span<const Value> args) {
    Value target = Arg(args, 0);
    if (!target.IsObject())
        return {};
    int32_t setBits = ToInt32(vm.ToNumber(Arg(args, 2))), clearBits = ToInt32(vm.ToNumber(Arg(args, 3)));
    auto set = static_cast<uint8_t>(setBits & 7), clear = static_cast<uint8_t>(clearBits & 7);
    bool versionChange = ((setBits | clearBits) & 0xfff8) != 0;
    for (const std::string& name : PropertyNames(vm, target.Object(), Arg(args, 1))) {
        Property* p = target.Object()->FindOwnAnyVersion(name);
        if (!p)
            continue;
        uint8_t hidden = p->Flags & VersionHidden;
        if (versionChange) {
            p->VersionBits = static_cast<uint16_t>(((p->VersionBits & ~clearBits) | setBits) & 0xfff8);
            hidden = HiddenByVersionBits(p->VersionBits, vm.Version()) ? VersionHidden : 0;
        }
        p->Flags = static_cast<uint8_t>((p->Flags & ~clear & ~VersionHidden) | set | hidden);
    }
    return {};
}

// setInterval(function, ms, args...) or setInterval(object, "method", ms, args...).
Value StartTimer(Vm& vm, std::span<const Value> args, bool once) {
    Value first = Arg(args, 0);
    if (first.IsObject() && first.Object()->Callable() && args.size() >= 2)
        return double(
            vm.AddInterval(first, Value(), "", {args.begin() + 2, args.end()}, vm.ToNumber(args[1]), once));
    if (first.IsObject() && args.size() >= 3)
        return double(vm.AddInterval(Value(), first, vm.ToString(args[1]), {args.begin() + 3, args.end()},
                                     vm.ToNumber(args[2]), once));
    return {};
}

// ASnative(table, index) hands out a built-in method by the plug-in's
// numbers, for movies that take one to lend it to another object. Only the
// ones movies are seen to ask for are here; others are undefined.
void InstallNativeTable(Vm& vm) {
    struct Entry {
        int Table, Index;
        Value Method;
    };
    std::vector<Entry> entries = {{101, 5, vm.GetMember(Value(vm.Protos.Object), "hasOwnProperty")}};
    vm.Method(vm.Global(), "ASnative", [entries](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        double table = vm.ToNumber(Arg(args, 0)), index = vm.ToNumber(Arg(args, 1));
        for (const Entry& e : entries)
            if (e.Table == table && e.Index == index)
                return e.Method;
        return {};
    });
}

} // namespace

void InstallGlobals(Vm& vm) {
    InstallNativeTable(vm);
    const ObjectPtr& global = vm.Global();
    vm.Method(global, "parseInt", ParseInt);
    vm.Method(global, "parseFloat", ParseFloat);
    // Without an argument both see NaN (not undefined, which may be 0).
    vm.Method(global, "isNaN", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return args.empty() || std::isnan(vm.ToNumber(args[0]));
    });
    vm.Method(global, "isFinite", [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        return !args.empty() && std::isfinite(vm.ToNumber(args[0]));
    });
    vm.Method(global, "escape", Escape);
    vm.Method(global, "unescape", Unescape);
    vm.Method(global, "ASSetPropFlags", AsSetPropFlags);
    vm.Method(global, "setInterval",
              [](Vm& vm, const Value&, std::span<const Value> args) { return StartTimer(vm, args, false); });
    vm.Method(global, "setTimeout",
              [](Vm& vm, const Value&, std::span<const Value> args) { return StartTimer(vm, args, true); });
    NativeCall clear = [](Vm& vm, const Value&, std::span<const Value> args) -> Value {
        vm.ClearInterval(static_cast<int>(vm.ToNumber(Arg(args, 0))));
        return {};
    };
    vm.Method(global, "clearInterval", clear);
    vm.Method(global, "clearTimeout", clear);
    vm.Method(global, "getTimer", [](Vm& vm, const Value&, std::span<const Value>) -> Value {
        return std::floor(vm.MillisecondsSinceStart());
    });
    vm.Method(global, "updateAfterEvent",
              [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
    // SWF 4 movies have no such names: they read as undefined (0).
    if (vm.Version() < 5)
        return;
    global->Put("NaN", std::numeric_limits<double>::quiet_NaN(), DontEnum);
    global->Put("Infinity", std::numeric_limits<double>::infinity(), DontEnum);
}

} // namespace swf::script::builtins
