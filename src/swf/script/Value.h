#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace swf::script {

class Object;
using ObjectPtr = std::shared_ptr<Object>;

// An ActionScript value: undefined, null, a boolean, a number, a string or
// an object (movie clips are objects too). Conversions that may call a
// script (valueOf, toString) live in the interpreter; the ones here need
// only the movie's version.
class Value {
public:
    enum class Type { Undefined, Null, Boolean, Number, String, Object };

    Value() = default;
    Value(bool b) : v_(b) {}
    Value(double d) : v_(d) {}
    Value(int i) : v_(double(i)) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(const char* s) : v_(std::string(s)) {}
    Value(ObjectPtr o);
    static Value Null() {
        Value v;
        v.v_ = NullTag{};
        return v;
    }

    Type GetType() const { return static_cast<Type>(v_.index()); }
    bool IsUndefined() const { return GetType() == Type::Undefined; }
    bool IsNull() const { return GetType() == Type::Null; }
    bool IsNullish() const { return IsUndefined() || IsNull(); }
    bool IsBoolean() const { return GetType() == Type::Boolean; }
    bool IsNumber() const { return GetType() == Type::Number; }
    bool IsString() const { return GetType() == Type::String; }
    bool IsObject() const { return GetType() == Type::Object; }

    bool Boolean() const { return std::get<bool>(v_); }
    double Number() const { return std::get<double>(v_); }
    const std::string& String() const { return std::get<std::string>(v_); }
    const ObjectPtr& Object() const { return std::get<ObjectPtr>(v_); }

    friend bool operator==(const Value&, const Value&) = default;

private:
    struct NullTag {
        friend bool operator==(NullTag, NullTag) { return true; }
    };
    std::variant<std::monostate, NullTag, bool, double, std::string, ObjectPtr> v_;
};

// Conversions of primitives, as the Flash plug-in does them for a movie of
// the given SWF version.
std::string NumberToString(double d);
std::string NumberToString(double d, int radix);
double StringToNumber(const std::string& s, int version);
// The longest decimal number at the start of s (after white space), as
// parseFloat reads it.
std::optional<double> LeadingNumber(const std::string& s);
double PrimitiveToNumber(const Value& v, int version);
std::string PrimitiveToString(const Value& v, int version);
bool ToBoolean(const Value& v, int version);
int32_t ToInt32(double d);
double ToInteger(double d);

} // namespace swf::script
