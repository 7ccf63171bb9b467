#include "swf/script/Text.h"

#include <cctype>

namespace swf::script {
namespace {

bool IsSurrogate(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

} // namespace

// Bytes that are no UTF-8 read as themselves (Latin-1), so that no text is
// lost on the way.
std::u16string ToUtf16(const std::string& s) {
    std::u16string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        int extra = c >= 0xF0 && c < 0xF8 ? 3 : c >= 0xE0 && c < 0xF0 ? 2 : c >= 0xC0 && c < 0xE0 ? 1 : 0;
        uint32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        bool valid = extra > 0 && i + size_t(extra) < s.size();
        for (int k = 1; valid && k <= extra; ++k) {
            auto next = static_cast<unsigned char>(s[i + size_t(k)]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (extra > 0 && !valid) {
            out += char16_t(c);
            ++i;
            continue;
        }
        i += size_t(extra) + 1;
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            cp -= 0x10000;
            out += char16_t(0xD800 + (cp >> 10));
            out += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out += char16_t(cp > 0x10FFFF ? 0xFFFD : cp);
        }
    }
    return out;
}

std::string FromUtf16(const std::u16string& units) {
    std::string out;
    out.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        uint32_t u = units[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            out += Utf8Encode(0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00u));
            ++i;
        } else {
            out += Utf8Encode(u);
        }
    }
    return out;
}

size_t TextLength(const std::string& s) { return ToUtf16(s).size(); }

int32_t TextUnit(const std::string& s, size_t index) {
    std::u16string units = ToUtf16(s);
    return index < units.size() ? int32_t(units[index]) : -1;
}

std::string Utf8Encode(uint32_t cp) {
    // Half a surrogate pair is no character: the plug-in shows it as the
    // replacement character.
    if (IsSurrogate(cp))
        cp = 0xFFFD;
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | ((cp >> 18) & 0x07));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::string TextSubstring(const std::string& s, size_t start, size_t count) {
    std::u16string units = ToUtf16(s);
    if (start >= units.size())
        return {};
    return FromUtf16(units.substr(start, count));
}

std::string ToLowerAscii(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string ToUpperAscii(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string UrlEscape(const std::string& s) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s) {
        if (std::isalnum(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

// A '%' takes the next two characters. Two hexadecimal digits are a byte;
// anything else is dropped as the plug-in drops it: a first character that
// is no digit goes with the '%', a letter or digit after a good first
// digit goes with both, and any other character takes the one after it
// along too.
std::string UrlUnescape(const std::string& s) {
    auto hexDigit = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '+') {
            out += ' ';
        } else if (s[i] != '%') {
            out += s[i];
        } else if (i + 1 < s.size() && !hexDigit(s[i + 1])) {
            i += 1;
        } else if (i + 2 < s.size() && hexDigit(s[i + 2])) {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bool alnum = i + 2 < s.size() && std::isalnum(static_cast<unsigned char>(s[i + 2]));
            i += alnum ? 2 : 3;
        }
    }
    return out;
}

} // namespace swf::script
