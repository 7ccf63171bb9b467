#include "swf/CharacterEntity.h"

#include <utility>

namespace swf {
namespace {

constexpr char32_t LastCharacter = 0x10ffff;

int DigitValue(char c, bool hex) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (hex && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Leading zeros do not count against the value; any digit past the last
// character ends the reading, so long numbers cannot overflow.
std::optional<char32_t> Numeric(std::string_view digits, bool hex) {
    if (digits.empty())
        return std::nullopt;
    char32_t value = 0;
    for (char c : digits) {
        int d = DigitValue(c, hex);
        if (d < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + char32_t(d);
        if (value > LastCharacter)
            return std::nullopt;
    }
    return value == 0 ? std::nullopt : std::optional<char32_t>(value);
}

} // namespace

std::optional<char32_t> DecodeCharacterEntity(std::string_view name, EntityNames names) {
    static constexpr std::pair<std::string_view, char32_t> Named[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xa0}};
    for (auto [known, c] : Named)
        if (name == known && (names == EntityNames::Html || c != 0xa0))
            return c;
    if (name.size() < 2 || name[0] != '#')
        return std::nullopt;
    bool hex = name[1] == 'x' || name[1] == 'X';
    return Numeric(name.substr(hex ? 2 : 1), hex);
}

} // namespace swf
