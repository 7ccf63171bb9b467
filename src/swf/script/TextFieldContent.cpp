#include "swf/script/TextFieldContent.h"

#include "swf/Utf8.h"
#include "swf/script/Text.h"

#include <algorithm>

namespace swf::script {
namespace {

TextFormat ParagraphPart(const TextFormat& f) {
    TextFormat p;
    p.Align = f.Align;
    p.BlockIndent = f.BlockIndent;
    p.Indent = f.Indent;
    p.Leading = f.Leading;
    p.LeftMargin = f.LeftMargin;
    p.RightMargin = f.RightMargin;
    p.Bullet = f.Bullet;
    p.TabStops = f.TabStops;
    return p;
}

TextFormat CharacterPart(const TextFormat& f) {
    TextFormat c;
    c.Font = f.Font;
    c.Url = f.Url;
    c.Target = f.Target;
    c.Size = f.Size;
    c.Color = f.Color;
    c.LetterSpacing = f.LetterSpacing;
    c.Bold = f.Bold;
    c.Italic = f.Italic;
    c.Underline = f.Underline;
    c.Kerning = f.Kerning;
    return c;
}

std::optional<Align> AlignOf(const std::optional<std::string>& name) {
    if (!name)
        return std::nullopt;
    if (*name == "right")
        return Align::Right;
    if (*name == "center")
        return Align::Center;
    return *name == "justify" ? Align::Justify : Align::Left;
}

StyledRun StyledOf(const TextFormat& f) {
    StyledRun run;
    if (f.Color) {
        auto c = static_cast<uint32_t>(*f.Color);
        run.Color = Rgba{uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), 255};
    }
    run.Size = f.Size;
    run.Face = f.Font;
    run.Bold = f.Bold.value_or(false);
    run.Italic = f.Italic.value_or(false);
    run.Alignment = AlignOf(f.Align);
    run.LetterSpacing = f.LetterSpacing.value_or(0);
    run.Leading = f.Leading;
    run.LeftMargin = f.LeftMargin;
    run.RightMargin = f.RightMargin;
    run.Indent = f.Indent;
    run.BlockIndent = f.BlockIndent;
    return run;
}

} // namespace

std::u32string DecodeText(const std::string& utf8) { return DecodeUtf8(utf8); }

std::string EncodeText(const std::u32string& text) {
    std::string out;
    for (char32_t c : text)
        out += Utf8Encode(c);
    return out;
}

size_t TextFieldContent::SplitAt(size_t at) {
    size_t start = 0;
    for (size_t i = 0; i < runs_.size(); ++i) {
        if (start == at)
            return i;
        if (at < start + runs_[i].Length) {
            Run tail{start + runs_[i].Length - at, runs_[i].Format};
            runs_[i].Length = at - start;
            runs_.insert(runs_.begin() + std::ptrdiff_t(i) + 1, tail);
            return i + 1;
        }
        start += runs_[i].Length;
    }
    return runs_.size();
}

void TextFieldContent::Merge() {
    std::vector<Run> merged;
    for (Run& run : runs_) {
        if (run.Length == 0)
            continue;
        if (!merged.empty() && merged.back().Format == run.Format)
            merged.back().Length += run.Length;
        else
            merged.push_back(std::move(run));
    }
    runs_ = std::move(merged);
}

void TextFieldContent::Replace(size_t begin, size_t end, const std::u32string& text,
                               const TextFormat& format) {
    end = std::min(end, text_.size());
    begin = std::min(begin, end);
    size_t first = SplitAt(begin);
    size_t last = SplitAt(end);
    runs_.erase(runs_.begin() + std::ptrdiff_t(first), runs_.begin() + std::ptrdiff_t(last));
    runs_.insert(runs_.begin() + std::ptrdiff_t(first), Run{text.size(), format});
    text_.replace(begin, end - begin, text);
    Merge();
    // A paragraph keeps the paragraph format of its first character; only
    // the paragraphs the new text touches may have lost it.
    for (size_t at = ParagraphAround(begin).first; at <= begin + text.size() && at < text_.size();) {
        auto [from, to] = ParagraphAround(at);
        SetFormat(from, std::max(to, from + 1), ParagraphPart(FormatOf(from, from + 1)));
        at = to + 1;
    }
}

void TextFieldContent::SetFormat(size_t begin, size_t end, const TextFormat& format) {
    end = std::min(end, text_.size());
    if (begin >= end)
        return;
    auto apply = [this](size_t from, size_t to, const TextFormat& part) {
        size_t first = SplitAt(from), last = SplitAt(to);
        for (size_t i = first; i < last; ++i)
            runs_[i].Format.Apply(part);
    };
    apply(begin, end, CharacterPart(format));
    size_t from = ParagraphAround(begin).first, to = ParagraphAround(end - 1).second;
    apply(from, std::min(to + 1, text_.size()), ParagraphPart(format));
    Merge();
}

TextFormat TextFieldContent::FormatOf(size_t begin, size_t end) const {
    end = std::min(end, text_.size());
    std::optional<TextFormat> common;
    size_t start = 0;
    for (const Run& run : runs_) {
        if (start < end && start + run.Length > begin) {
            if (common)
                common->KeepCommon(run.Format);
            else
                common = run.Format;
        }
        start += run.Length;
    }
    return common.value_or(TextFormat{});
}

std::vector<StyledRun> TextFieldContent::Styled() const {
    std::vector<StyledRun> out;
    size_t at = 0;
    for (const Run& run : runs_) {
        out.push_back(StyledOf(run.Format));
        out.back().Text = text_.substr(at, run.Length);
        at += run.Length;
    }
    return out;
}

std::pair<size_t, size_t> TextFieldContent::ParagraphAround(size_t at) const {
    at = std::min(at, text_.size());
    size_t begin = 0;
    if (size_t previous = at > 0 ? text_.rfind(U'\r', at - 1) : std::u32string::npos;
        previous != std::u32string::npos)
        begin = previous + 1;
    size_t end = text_.find(U'\r', at);
    return {begin, end == std::u32string::npos ? text_.size() : end};
}

} // namespace swf::script
