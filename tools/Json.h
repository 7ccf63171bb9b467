#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tools {

// A parsed JSON value; enough for reading the corpus index.
struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object } Type = Kind::Null;
    bool Flag = false;
    double Number = 0;
    std::string Text;
    std::vector<Json> Items;
    std::map<std::string, Json> Fields;

    // The field, or a null value when absent.
    const Json& operator[](const std::string& name) const;
    bool IsNull() const { return Type == Kind::Null; }
};

// Throws std::runtime_error on malformed input.
Json ParseJson(const std::string& text);

} // namespace tools
