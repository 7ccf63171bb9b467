#include "swf/script/TextFieldHtml.h"

#include "swf/CharacterEntity.h"

#include "swf/script/Text.h"
#include "swf/script/Value.h"

#include <cstdlib>

namespace swf::script {
namespace {

// The value of attribute `name` in a tag's text ("font color='#ff0000'").
std::optional<std::string> Attribute(const std::string& tag, const std::string& name) {
    std::string lower = ToLowerAscii(tag);
    for (size_t at = lower.find(name); at != std::string::npos; at = lower.find(name, at + 1)) {
        size_t eq = lower.find_first_not_of(' ', at + name.size());
        bool starts = at > 0 && (lower[at - 1] == ' ' || lower[at - 1] == '\t' || lower[at - 1] == '\n');
        if (!starts || eq == std::string::npos || lower[eq] != '=')
            continue;
        size_t from = lower.find_first_not_of(' ', eq + 1);
        if (from == std::string::npos)
            return std::string();
        char quote = tag[from];
        if (quote == '"' || quote == '\'') {
            size_t end = tag.find(quote, from + 1);
            return tag.substr(from + 1, end == std::string::npos ? std::string::npos : end - from - 1);
        }
        size_t end = tag.find_first_of(" \t\n", from);
        return tag.substr(from, end == std::string::npos ? std::string::npos : end - from);
    }
    return std::nullopt;
}

std::optional<double> Number(const std::optional<std::string>& text) {
    if (!text || text->empty())
        return std::nullopt;
    return std::strtod(text->c_str(), nullptr);
}

// A <font color> value: "#rrggbb"; what follows the hash is read as hex.
std::optional<double> ColorOf(const std::optional<std::string>& text) {
    if (!text || text->empty() || (*text)[0] != '#')
        return std::nullopt;
    return double(std::strtoul(text->c_str() + 1, nullptr, 16) & 0xffffff);
}

class HtmlReader {
public:
    HtmlReader(const TextFormat& base, bool multiline) : multiline_(multiline) {
        styles_.push_back({"", base});
    }

    TextFieldContent Read(const std::u32string& html) {
        for (size_t i = 0; i < html.size();) {
            if (html[i] == '<') {
                size_t end = html.find('>', i);
                if (end == std::u32string::npos)
                    break;
                Tag(EncodeText(html.substr(i + 1, end - i - 1)));
                i = end + 1;
            } else if (html[i] == '&') {
                size_t end = html.find(';', i);
                std::optional<char32_t> c;
                if (end != std::u32string::npos && end - i < 12)
                    c = DecodeCharacterEntity(EncodeText(html.substr(i + 1, end - i - 1)), EntityNames::Html);
                Put(c.value_or(U'&'));
                i = c ? end + 1 : i + 1;
            } else {
                Put(html[i] == '\n' ? U'\r' : html[i]);
                ++i;
            }
        }
        if (closedParagraph_ && !out_.Text().empty() && out_.Text().back() == U'\r')
            out_.Replace(out_.Text().size() - 1, out_.Text().size(), U"", styles_.back().Format);
        return std::move(out_);
    }

private:
    struct Style {
        std::string Tag;
        TextFormat Format;
    };

    // A paragraph end from a tag.
    void Break() {
        if (multiline_)
            Put(U'\r');
    }

    void Put(char32_t c) {
        size_t at = out_.Text().size();
        out_.Replace(at, at, std::u32string(1, c), styles_.back().Format);
        closedParagraph_ = false;
    }

    void Tag(const std::string& text) {
        std::string lower = ToLowerAscii(text);
        bool closing = !lower.empty() && lower[0] == '/';
        std::string name =
            lower.substr(closing ? 1 : 0, lower.find_first_of(" \t\n/", closing ? 1 : 0) - (closing ? 1 : 0));
        if (closing) {
            Close(name);
            return;
        }
        if (name == "br" || name == "sbr") {
            Break();
            return;
        }
        if ((name == "p" || name == "li") && !AtParagraphStart())
            Break();
        TextFormat f = styles_.back().Format;
        if (!Open(name, text, f))
            return;
        styles_.push_back({name, f});
    }

    bool Open(const std::string& name, const std::string& text, TextFormat& f) {
        if (name == "b")
            f.Bold = true;
        else if (name == "i")
            f.Italic = true;
        else if (name == "u")
            f.Underline = true;
        else if (name == "li")
            f.Bullet = true;
        else if (name == "a") {
            f.Url = Attribute(text, "href").value_or("");
            f.Target = Attribute(text, "target").value_or("");
        } else if (name == "p") {
            if (auto align = Attribute(text, "align"))
                f.Align = ToLowerAscii(*align);
        } else if (name == "font")
            OpenFont(text, f);
        else if (name == "textformat")
            OpenTextFormat(text, f);
        else
            return false;
        return true;
    }

    static void OpenFont(const std::string& text, TextFormat& f) {
        if (auto face = Attribute(text, "face"))
            f.Font = *face;
        if (auto size = Attribute(text, "size"); size && !size->empty()) {
            double n = std::strtod(size->c_str(), nullptr);
            bool relative = (*size)[0] == '+' || (*size)[0] == '-';
            f.Size = relative ? f.Size.value_or(12) + n : n;
        }
        if (auto color = ColorOf(Attribute(text, "color")))
            f.Color = color;
        if (auto spacing = Number(Attribute(text, "letterspacing")))
            f.LetterSpacing = spacing;
        if (auto kerning = Number(Attribute(text, "kerning")))
            f.Kerning = *kerning != 0;
    }

    static void OpenTextFormat(const std::string& text, TextFormat& f) {
        auto set = [&text](const char* name, std::optional<double>& field) {
            if (auto v = Number(Attribute(text, name)))
                field = v;
        };
        set("leftmargin", f.LeftMargin);
        set("rightmargin", f.RightMargin);
        set("indent", f.Indent);
        set("blockindent", f.BlockIndent);
        set("leading", f.Leading);
        if (auto stops = Attribute(text, "tabstops")) {
            std::vector<double> list;
            for (const char* p = stops->c_str(); *p;) {
                char* end = nullptr;
                double v = std::strtod(p, &end);
                if (end == p)
                    break;
                list.push_back(v);
                p = *end == ',' ? end + 1 : end;
            }
            f.TabStops = list;
        }
    }

    void Close(const std::string& name) {
        if (name == "p" || name == "li") {
            if (!AtParagraphStart() || name == "li")
                Break();
            closedParagraph_ = true;
        }
        for (size_t i = styles_.size(); i-- > 1;)
            if (styles_[i].Tag == name) {
                styles_.erase(styles_.begin() + std::ptrdiff_t(i), styles_.end());
                break;
            }
    }

    bool AtParagraphStart() const { return out_.Text().empty() || out_.Text().back() == U'\r'; }

    std::vector<Style> styles_;
    TextFieldContent out_;
    bool multiline_;
    bool closedParagraph_ = false;
};

std::string Hex6(double color) {
    static const char digits[] = "0123456789ABCDEF";
    auto v = static_cast<uint32_t>(color);
    std::string s = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        s += digits[(v >> shift) & 15];
    return s;
}

std::string Escape(const std::u32string& text) {
    std::string out;
    for (char32_t c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else if (c == '\'')
            out += "&apos;";
        else
            out += Utf8Encode(c);
    }
    return out;
}

std::string Quoted(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + value + "\"";
}

std::string Num(const std::optional<double>& v) { return NumberToString(v.value_or(0)); }

// The <FONT> attributes of `f` that differ from `from` (all of them when
// there is nothing to differ from).
std::string FontAttributes(const TextFormat& f, const TextFormat* from) {
    std::string out;
    if (!from || from->Font != f.Font)
        out += Quoted("FACE", f.Font.value_or(""));
    if (!from || from->Size != f.Size)
        out += Quoted("SIZE", Num(f.Size));
    if (!from || from->Color != f.Color)
        out += Quoted("COLOR", Hex6(f.Color.value_or(0)));
    if (!from || from->LetterSpacing != f.LetterSpacing)
        out += Quoted("LETTERSPACING", Num(f.LetterSpacing));
    if (!from || from->Kerning != f.Kerning)
        out += Quoted("KERNING", f.Kerning.value_or(false) ? "1" : "0");
    return out;
}

bool SameFont(const TextFormat& a, const TextFormat& b) {
    return a.Font == b.Font && a.Size == b.Size && a.Color == b.Color && a.LetterSpacing == b.LetterSpacing &&
           a.Kerning == b.Kerning;
}

// One run's text inside its <FONT>: the link, then bold, italic, underline.
std::string Styled(const TextFormat& f, const std::u32string& text) {
    std::string open, close;
    auto wrap = [&](bool on, const std::string& tagOpen, const char* tagClose) {
        if (!on)
            return;
        open += tagOpen;
        close = tagClose + close;
    };
    wrap(!f.Url.value_or("").empty(),
         "<A" + Quoted("HREF", f.Url.value_or("")) + Quoted("TARGET", f.Target.value_or("")) + ">", "</A>");
    wrap(f.Bold.value_or(false), "<B>", "</B>");
    wrap(f.Italic.value_or(false), "<I>", "</I>");
    wrap(f.Underline.value_or(false), "<U>", "</U>");
    return open + Escape(text) + close;
}

std::string ParagraphOpen(const TextFormat& f, std::string& close) {
    std::string attributes;
    auto add = [&](const char* name, const std::optional<double>& v) {
        if (v.value_or(0) != 0)
            attributes += Quoted(name, Num(v));
    };
    add("LEFTMARGIN", f.LeftMargin);
    add("RIGHTMARGIN", f.RightMargin);
    add("INDENT", f.Indent);
    add("BLOCKINDENT", f.BlockIndent);
    add("LEADING", f.Leading);
    if (f.TabStops && !f.TabStops->empty()) {
        std::string list;
        for (double stop : *f.TabStops) {
            if (!list.empty())
                list += ',';
            list += NumberToString(stop);
        }
        attributes += Quoted("TABSTOPS", list);
    }
    std::string open;
    if (!attributes.empty()) {
        open = "<TEXTFORMAT" + attributes + ">";
        close = "</TEXTFORMAT>";
    }
    if (f.Bullet.value_or(false)) {
        close = "</LI>" + close;
        return open + "<LI>";
    }
    close = "</P>" + close;
    return open + "<P" + Quoted("ALIGN", ToUpperAscii(f.Align.value_or("left"))) + ">";
}

// The runs of one paragraph [begin, end) with <FONT> tags nested as the
// plug-in nests them: a run whose font matches an open level closes back
// to it, any other run opens a level with what differs.
std::string ParagraphBody(const TextFieldContent& content, size_t begin, size_t end,
                          const TextFormat& first) {
    std::vector<TextFormat> open{first};
    std::string out = "<FONT" + FontAttributes(first, nullptr) + ">";
    size_t start = 0;
    for (const TextFieldContent::Run& run : content.Runs()) {
        size_t from = std::max(start, begin), to = std::min(start + run.Length, end);
        start += run.Length;
        if (from >= to)
            continue;
        size_t level = open.size();
        while (level-- > 0 && !SameFont(open[level], run.Format)) {
        }
        if (level != size_t(-1)) {
            for (; open.size() > level + 1; open.pop_back())
                out += "</FONT>";
        } else {
            out += "<FONT" + FontAttributes(run.Format, &open.back()) + ">";
            open.push_back(run.Format);
        }
        out += Styled(run.Format, content.Text().substr(from, to - from));
    }
    for (size_t i = 0; i < open.size(); ++i)
        out += "</FONT>";
    return out;
}

} // namespace

TextFieldContent ReadFieldHtml(const std::string& html, const TextFormat& base, bool multiline) {
    return HtmlReader(base, multiline).Read(DecodeText(html));
}

std::string WriteFieldHtml(const TextFieldContent& content, const TextFormat& empty) {
    const std::u32string& text = content.Text();
    std::string out;
    size_t begin = 0;
    do {
        size_t end = text.find(U'\r', begin);
        end = end == std::u32string::npos ? text.size() : end;
        TextFormat f = begin < text.size() ? content.FormatOf(begin, begin + 1) : empty;
        std::string close;
        out += ParagraphOpen(f, close);
        out += ParagraphBody(content, begin, end, f);
        out += close;
        begin = end + 1;
    } while (begin < text.size());
    return out;
}

} // namespace swf::script
