#pragma once

#include <stdexcept>
#include <string>

namespace settings {

// The message for an operating-system error code met while reading or
// writing the settings file: "File not found", "File access denied", ...,
// or "I/O error N" for the codes without words of their own.
std::string IoErrorText(unsigned long code);

// A failed read or write of the settings file, with its code.
class IoError : public std::runtime_error {
public:
    explicit IoError(unsigned long code) : std::runtime_error(IoErrorText(code)), code_(code) {}
    unsigned long Code() const { return code_; }

private:
    unsigned long code_;
};

} // namespace settings
