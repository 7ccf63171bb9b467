#pragma once

#include <stdexcept>
#include <string>

namespace swf {

// A movie that cannot be read. The message is one short line meant for the
// user ("not a Flash movie", "damaged movie: ...").
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Thrown for structural damage: the message gets the "damaged movie: "
// prefix so that callers never have to compose it.
[[noreturn]] void ThrowDamaged(const std::string& what);

} // namespace swf
