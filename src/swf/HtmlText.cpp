#include "swf/HtmlText.h"

#include "swf/CharacterEntity.h"

#include <algorithm>
#include <cctype>

namespace swf {
namespace {

std::string Narrow(const std::u32string& s) {
    std::string out;
    for (char32_t c : s)
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// The value of attribute `name` in a tag's text, if present.
std::optional<std::string> Attribute(const std::string& tag, const std::string& name) {
    std::string lower = Lower(tag);
    size_t at = lower.find(name + "=");
    if (at == std::string::npos)
        return std::nullopt;
    at += name.size() + 1;
    char quote = at < tag.size() ? tag[at] : 0;
    if (quote == '"' || quote == '\'') {
        size_t end = tag.find(quote, at + 1);
        return tag.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
    }
    size_t end = tag.find_first_of(" >", at);
    return tag.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

Align AlignmentOf(const std::string& name) {
    if (name == "right")
        return Align::Right;
    if (name == "center")
        return Align::Center;
    return name == "justify" ? Align::Justify : Align::Left;
}

class HtmlReader {
public:
    std::vector<StyledRun> Read(const std::u32string& html) {
        styles_.push_back({});
        for (size_t i = 0; i < html.size();) {
            if (html[i] == '<') {
                size_t end = html.find('>', i);
                if (end == std::u32string::npos)
                    break;
                Tag(Narrow(html.substr(i + 1, end - i - 1)));
                i = end + 1;
            } else if (html[i] == '&') {
                size_t end = html.find(';', i);
                std::optional<char32_t> c;
                if (end != std::u32string::npos && end - i < 12)
                    c = DecodeCharacterEntity(Narrow(html.substr(i + 1, end - i - 1)), EntityNames::Html);
                Put(c.value_or(U'&'));
                i = c ? end + 1 : i + 1;
            } else {
                Put(html[i++]);
            }
        }
        return runs_;
    }

private:
    void Put(char32_t c) {
        const StyledRun& style = styles_.back();
        if (runs_.empty() || runs_.back().Color != style.Color || runs_.back().Size != style.Size ||
            runs_.back().Face != style.Face || runs_.back().Bold != style.Bold ||
            runs_.back().Italic != style.Italic || runs_.back().Alignment != style.Alignment) {
            runs_.push_back(style);
            runs_.back().Text.clear();
        }
        runs_.back().Text.push_back(c);
    }

    void Tag(const std::string& text) {
        std::string lower = Lower(text);
        std::string name = lower.substr(0, lower.find(' '));
        if (name == "br" || name == "br/" || name == "/p")
            Put('\n');
        if (name == "font" || name == "b" || name == "i" || name == "p")
            Open(name, text);
        else if ((name == "/font" || name == "/b" || name == "/i" || name == "/p") && styles_.size() > 1)
            styles_.pop_back();
    }

    void Open(const std::string& name, const std::string& text) {
        StyledRun style = styles_.back();
        style.Bold |= name == "b";
        style.Italic |= name == "i";
        if (auto color = Attribute(text, "color"); color && color->size() == 7 && (*color)[0] == '#') {
            unsigned long v = std::strtoul(color->c_str() + 1, nullptr, 16);
            style.Color = Rgba{uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v), 255};
        }
        if (auto size = Attribute(text, "size"); size && !size->empty())
            style.Size = std::strtod(size->c_str(), nullptr);
        if (auto face = Attribute(text, "face"))
            style.Face = *face;
        if (auto align = Attribute(text, "align"))
            style.Alignment = AlignmentOf(Lower(*align));
        styles_.push_back(style);
    }

    std::vector<StyledRun> styles_;
    std::vector<StyledRun> runs_;
};

} // namespace

std::vector<StyledRun> ParseHtmlText(const std::u32string& html) { return HtmlReader().Read(html); }

} // namespace swf
