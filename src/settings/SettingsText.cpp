#include "settings/SettingsText.h"

#include <algorithm>
#include <array>

namespace settings {
namespace {

constexpr size_t LineCount = 12;
constexpr size_t BackgroundLine = 6;

// The lines that hold one of two words, by their number.
struct FlagLine {
    size_t Line;
    const char* Positive;
    const char* Negative;
    bool TSettingsRecord::*Field;
};

// The tokens are what earlier versions wrote, spelling included; changing
// one would turn a stored option off.
constexpr std::array<FlagLine, 10> FlagLines{{
    {2, "Programm", "User", &TSettingsRecord::ProgramMode},
    {3, "StartShowDir", "NoShowDir", &TSettingsRecord::ShowDir},
    {4, "StartShowLibruary", "NoShowLibruary", &TSettingsRecord::ShowLibruary},
    {5, "Menu1", "NoMenu", &TSettingsRecord::MainMenu},
    {7, "Regist", "NoRegist", &TSettingsRecord::Regist},
    {8, "TrayIcon", "NoTrayIcon", &TSettingsRecord::TrayIcon},
    {9, "TrayAnimation", "NoTrayAnimation", &TSettingsRecord::TrayAnimation},
    {10, "Intro", "NoIntro", &TSettingsRecord::Intro},
    {11, "StayOnTop", "Normal", &TSettingsRecord::StayOnTop},
    {12, "FormState", "NoFormState", &TSettingsRecord::FormState},
}};

int DigitValue(char c, int base) {
    int value = 36;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The digits' value, or nothing when a character is no digit or the value
// passes `limit`.
std::optional<uint64_t> Digits(std::string_view text, int base, uint64_t limit) {
    if (text.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        int digit = DigitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

// The length of a hexadecimal mark at the start of text, 0 when none.
size_t HexMarkLength(std::string_view text) {
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X'))
        return 1;
    if (text.starts_with("0x") || text.starts_with("0X"))
        return 2;
    return 0;
}

} // namespace

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

std::optional<int32_t> ParseInteger(std::string_view text) {
    while (text.starts_with(' '))
        text.remove_prefix(1);
    bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    if (size_t mark = HexMarkLength(text)) {
        auto value = Digits(text.substr(mark), 16, 0xFFFFFFFFu);
        if (!value)
            return std::nullopt;
        auto bits = static_cast<uint32_t>(*value);
        return static_cast<int32_t>(negative ? 0u - bits : bits);
    }
    auto value = Digits(text, 10, negative ? 0x80000000u : 0x7FFFFFFFu);
    if (!value)
        return std::nullopt;
    return static_cast<int32_t>(negative ? 0 - static_cast<int64_t>(*value) : static_cast<int64_t>(*value));
}

TReadSettings ParseSettings(std::string_view bytes) {
    std::vector<std::string> lines = SplitLines(bytes);
    lines.resize(std::max(lines.size(), LineCount));
    TReadSettings read;
    read.Values.Folder = lines[0];
    for (const FlagLine& flag : FlagLines)
        read.Values.*flag.Field = lines[flag.Line - 1] == flag.Positive;
    read.BackgroundLine = lines[BackgroundLine - 1];
    std::optional<int32_t> background = ParseInteger(read.BackgroundLine);
    read.BackgroundValid = background.has_value();
    read.Values.Background = background.value_or(0);
    return read;
}

std::string FormatSettings(const TSettingsRecord& record) {
    std::array<std::string, LineCount> lines;
    lines[0] = record.Folder;
    for (const FlagLine& flag : FlagLines)
        lines[flag.Line - 1] = record.*flag.Field ? flag.Positive : flag.Negative;
    lines[BackgroundLine - 1] = std::to_string(record.Background);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace settings
