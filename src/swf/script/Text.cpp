#include "swf/script/Text.h"

#include <cctype>

namespace swf::script {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

} // namespace

size_t Utf8Length(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s)
        n += !IsContinuation(c);
    return n;
}

size_t Utf8Offset(const std::string& s, size_t index) {
    size_t i = 0;
    for (size_t n = 0; i < s.size(); ++i) {
        if (IsContinuation(static_cast<unsigned char>(s[i])))
            continue;
        if (n++ == index)
            return i;
    }
    return s.size();
}

int32_t Utf8CodePoint(const std::string& s, size_t index) {
    size_t at = Utf8Offset(s, index);
    if (at >= s.size())
        return -1;
    auto c = static_cast<unsigned char>(s[at]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    uint32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra && at + size_t(k) < s.size(); ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[at + size_t(k)]) & 0x3F);
    return static_cast<int32_t>(cp);
}

std::string Utf8Encode(uint32_t cp) {
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

std::string Utf8Substring(const std::string& s, size_t start, size_t count) {
    size_t a = Utf8Offset(s, start);
    size_t b = count >= s.size() ? s.size() : Utf8Offset(s, start + count);
    return a >= b ? std::string() : s.substr(a, b - a);
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
