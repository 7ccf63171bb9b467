#include "swf/script/Value.h"

#include "swf/script/Object.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace swf::script {

Value::Value(ObjectPtr o) {
    if (o)
        v_ = std::move(o);
    else
        v_ = NullTag{};
}

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Hexadecimal and octal text read as 32-bit signed integers: digits past
// 32 bits wrap.
double RadixToInt32(const std::string& s, size_t pos, int radix, bool negative) {
    uint32_t n = 0;
    if (pos >= s.size())
        return NaN;
    for (; pos < s.size(); ++pos) {
        char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[pos])));
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'z' ? c - 'a' + 10 : radix;
        if (digit >= radix)
            return NaN;
        n = n * uint32_t(radix) + uint32_t(digit);
    }
    double d = static_cast<int32_t>(n);
    return negative ? -d : d;
}

} // namespace

// Fifteen significant digits; exponent notation outside 1e-4 .. 1e15, with
// the exponent written without padding ("1e+21", "5.4e-6").
std::string NumberToString(double d) {
    if (std::isnan(d))
        return "NaN";
    if (std::isinf(d))
        return d > 0 ? "Infinity" : "-Infinity";
    if (d == 0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", d);
    std::string text = buffer;
    size_t e = text.find('e');
    int exponent = std::atoi(text.c_str() + e + 1);
    bool negative = text[0] == '-';
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        // Appended piece by piece: GCC 12 at -O3 misreads `"." + substr` as
        // an overlapping copy (-Wrestrict).
        out += digits[0];
        if (digits.size() > 1)
            out.append(".").append(digits, 1);
        out += exponent < 0 ? "e-" : "e+";
        out += std::to_string(std::abs(exponent));
    } else if (exponent < 0) {
        out.append("0.").append(size_t(-exponent - 1), '0').append(digits);
    } else if (digits.size() <= size_t(exponent) + 1) {
        out.append(digits).append(size_t(exponent) + 1 - digits.size(), '0');
    } else {
        out.append(digits, 0, size_t(exponent) + 1).append(".").append(digits, size_t(exponent) + 1);
    }
    return out;
}

std::string NumberToString(double d, int radix) {
    if (radix == 10 || radix < 2 || radix > 36 || !std::isfinite(d))
        return NumberToString(d);
    // Other radixes write the integer part of a 32-bit value.
    int32_t n = ToInt32(d);
    bool negative = n < 0;
    uint32_t u = negative ? uint32_t(0) - uint32_t(n) : uint32_t(n);
    std::string out;
    do {
        out.insert(out.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[u % uint32_t(radix)]);
        u /= uint32_t(radix);
    } while (u);
    return negative ? "-" + out : out;
}

std::optional<double> LeadingNumber(const std::string& s) {
    size_t pos = 0;
    while (pos < s.size() && IsSpace(s[pos]))
        ++pos;
    size_t end = pos;
    if (end < s.size() && (s[end] == '-' || s[end] == '+'))
        ++end;
    size_t digits = end;
    while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end])))
        ++end;
    if (end < s.size() && s[end] == '.')
        for (++end; end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]));)
            ++end;
    if (end == digits || (end == digits + 1 && s[digits] == '.'))
        return std::nullopt;
    if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
        size_t e = end + 1;
        if (e < s.size() && (s[e] == '-' || s[e] == '+'))
            ++e;
        if (e < s.size() && std::isdigit(static_cast<unsigned char>(s[e])))
            for (end = e; end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]));)
                ++end;
    }
    return std::strtod(s.substr(pos, end - pos).c_str(), nullptr);
}

double StringToNumber(const std::string& text, int version) {
    // SWF 4 reads the longest leading number and takes 0 where there is none.
    if (version < 5)
        return LeadingNumber(text).value_or(0);
    // White space may lead, not trail; after it a leading zero is decimal.
    size_t begin = 0;
    while (begin < text.size() && IsSpace(text[begin]))
        ++begin;
    if (begin == text.size())
        return NaN;
    const bool blanks = begin > 0;
    const std::string s = text.substr(begin);
    size_t pos = 0;
    bool negative = false;
    if (s[pos] == '-' || s[pos] == '+')
        negative = s[pos++] == '-';
    if (version >= 6 && pos + 1 < s.size() && s[pos] == '0' && (s[pos + 1] == 'x' || s[pos + 1] == 'X'))
        return RadixToInt32(s, pos + 2, 16, negative);
    // strtod would take hexadecimal, "inf" and "nan"; the plug-in takes none.
    if (s.find_first_of("xXiInN") != std::string::npos)
        return NaN;
    // From SWF 6, a leading zero makes octal when every digit is one.
    if (version >= 6 && !blanks && s[pos] == '0' && s.size() > pos + 1 &&
        s.find_first_not_of("01234567", pos) == std::string::npos)
        return RadixToInt32(s, pos, 8, negative);
    char* stop = nullptr;
    double d = std::strtod(s.c_str(), &stop);
    if (stop != s.c_str() + s.size())
        return NaN;
    return d;
}

double PrimitiveToNumber(const Value& v, int version) {
    switch (v.GetType()) {
    case Value::Type::Undefined:
    case Value::Type::Null:
        return version >= 7 ? NaN : 0;
    case Value::Type::Boolean:
        return v.Boolean() ? 1 : 0;
    case Value::Type::Number:
        return v.Number();
    case Value::Type::String:
        return StringToNumber(v.String(), version);
    case Value::Type::Object:
        break;
    }
    return NaN;
}

std::string PrimitiveToString(const Value& v, int version) {
    switch (v.GetType()) {
    case Value::Type::Undefined:
        return version >= 7 ? "undefined" : "";
    case Value::Type::Null:
        return "null";
    case Value::Type::Boolean:
        return v.Boolean() ? "true" : "false";
    case Value::Type::Number:
        return NumberToString(v.Number());
    case Value::Type::String:
        return v.String();
    case Value::Type::Object:
        break;
    }
    return "[object Object]";
}

bool ToBoolean(const Value& v, int version) {
    switch (v.GetType()) {
    case Value::Type::Undefined:
    case Value::Type::Null:
        return false;
    case Value::Type::Boolean:
        return v.Boolean();
    case Value::Type::Number:
        return !std::isnan(v.Number()) && v.Number() != 0;
    case Value::Type::String:
        if (version >= 7)
            return !v.String().empty();
        {
            double d = StringToNumber(v.String(), version);
            return !std::isnan(d) && d != 0;
        }
    case Value::Type::Object:
        break;
    }
    return true;
}

int32_t ToInt32(double d) {
    if (!std::isfinite(d))
        return 0;
    double m = std::fmod(std::trunc(d), 4294967296.0);
    if (m < 0)
        m += 4294967296.0;
    return static_cast<int32_t>(static_cast<uint32_t>(m));
}

double ToInteger(double d) {
    if (std::isnan(d))
        return 0;
    return std::trunc(d);
}

} // namespace swf::script
