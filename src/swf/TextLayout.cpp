#include "swf/TextLayout.h"

#include "swf/Utf8.h"

#include <algorithm>

namespace swf {
namespace {

// Text fields keep two pixels between their border and their text.
constexpr double Gutter = 40;

bool IsBreak(char32_t c) { return c == '\n' || c == '\r'; }

} // namespace

TextLayout::TextLayout(const EditText& field, const Dictionary& dictionary, FontProvider& fonts)
    : field_(field), dictionary_(dictionary),
      font_(field.HasFont ? dictionary.FindFont(field.FontId) : nullptr), fonts_(fonts) {
    embedded_ = field.UseOutlines && font_ && !font_->Glyphs.empty();
    double size = field.Height;
    if (embedded_ && font_->HasLayout) {
        ascent_ = font_->Ascent / font_->EmSize * size;
        descent_ = font_->Descent / font_->EmSize * size;
    } else {
        FontMetrics m =
            fonts_.Metrics(font_ ? font_->Name : "_sans", font_ && font_->Bold, font_ && font_->Italic);
        ascent_ = m.Ascent / 1024 * size;
        descent_ = m.Descent / 1024 * size;
    }
}

std::vector<StyledRun> TextLayout::Runs() const {
    std::u32string text = DecodeUtf8(field_.Text);
    if (field_.Html)
        return ParseHtmlText(text);
    if (field_.Password)
        for (char32_t& c : text)
            c = IsBreak(c) ? c : U'*';
    return {StyledRun{text, {}, {}, {}, false, false, {}}};
}

TextLayout::Item TextLayout::Measure(char32_t code, const StyledRun& run) {
    Rgba color = run.Color.value_or(field_.Color);
    color.A = field_.Color.A;
    double size = run.Size ? *run.Size * 20 : field_.Height;
    Align align = run.Alignment.value_or(field_.Alignment);
    if (embedded_) {
        const Font* font = EmbeddedFace(run);
        int index = font->GlyphFor(code);
        double scale = size / font->EmSize;
        double advance = index >= 0 && size_t(index) < font->Advances.size()
                             ? font->Advances[size_t(index)] * scale
                             : size / 2;
        return {code, index >= 0 ? font->Glyphs[size_t(index)].get() : nullptr, advance, scale, color, align};
    }
    std::string face = run.Face.value_or(font_ ? font_->Name : "_sans");
    bool bold = field_.Html ? run.Bold : font_ && font_->Bold;
    bool italic = field_.Html ? run.Italic : font_ && font_->Italic;
    const DeviceGlyph* glyph = fonts_.Glyph(face, bold, italic, code);
    double scale = size / 1024;
    if (!glyph)
        return {code, nullptr, size / 2, scale, color, align};
    return {code, glyph->Outline.get(), glyph->Advance * scale, scale, color, align};
}

// In HTML the tags decide bold and italic, which pick the embedded face of
// that style and name when the movie has one; plain text keeps the field's
// font.
const Font* TextLayout::EmbeddedFace(const StyledRun& run) const {
    std::string name = run.Face.value_or(font_->Name);
    bool bold = field_.Html ? run.Bold : font_->Bold, italic = field_.Html ? run.Italic : font_->Italic;
    if (name == font_->Name && bold == font_->Bold && italic == font_->Italic)
        return font_;
    const Font* face = dictionary_.FindFont(name, bold, italic);
    return face ? face : font_;
}

void TextLayout::AddRun(const StyledRun& run) {
    for (size_t i = 0; i < run.Text.size(); ++i) {
        char32_t c = run.Text[i];
        if (c == '\r' && i + 1 < run.Text.size() && run.Text[i + 1] == '\n')
            continue;
        items_.push_back(IsBreak(c) ? Item{'\n', nullptr, 0, 1, {}, Align::Left} : Measure(c, run));
    }
}

// Lines start after each break, and with word wrap wherever the next word
// would run past the right margin.
void TextLayout::Wrap() {
    breaks_.assign(1, 0);
    double width = field_.Bounds.Width() - 2 * Gutter - field_.LeftMargin - field_.RightMargin;
    double x = 0;
    size_t lastSpace = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].Code == '\n') {
            breaks_.push_back(i + 1);
            x = 0;
            continue;
        }
        x += items_[i].Advance;
        if (items_[i].Code == ' ')
            lastSpace = i;
        if (field_.WordWrap && x > width && i > breaks_.back()) {
            size_t start = lastSpace > breaks_.back() ? lastSpace + 1 : i;
            breaks_.push_back(start);
            x = 0;
            for (size_t k = start; k <= i; ++k)
                x += items_[k].Advance;
        }
    }
    breaks_.push_back(items_.size());
}

void TextLayout::PlaceLine(size_t begin, size_t end, double& baseline, bool firstOfParagraph) {
    double width = 0;
    size_t visibleEnd = end;
    while (visibleEnd > begin && (items_[visibleEnd - 1].Code == '\n' || items_[visibleEnd - 1].Code == ' '))
        --visibleEnd;
    for (size_t i = begin; i < visibleEnd; ++i)
        width += items_[i].Advance;
    double left = field_.Bounds.XMin + Gutter + field_.LeftMargin + (firstOfParagraph ? field_.Indent : 0);
    double room = field_.Bounds.XMax - Gutter - field_.RightMargin - left;
    double x = left;
    Align align = begin < visibleEnd ? items_[begin].Alignment : field_.Alignment;
    if (align == Align::Right)
        x += room - width;
    else if (align == Align::Center)
        x += (room - width) / 2;
    for (size_t i = begin; i < visibleEnd; ++i) {
        const Item& it = items_[i];
        if (it.Outline)
            out_.push_back({it.Outline, Matrix{it.Scale, 0, 0, it.Scale, x, baseline}, it.Color});
        x += it.Advance;
    }
    baseline += ascent_ + descent_ + field_.Leading;
}

std::vector<PlacedGlyph> TextLayout::Lay() {
    for (const StyledRun& run : Runs())
        AddRun(run);
    Wrap();
    double baseline = field_.Bounds.YMin + Gutter + ascent_;
    for (size_t line = 0; line + 1 < breaks_.size(); ++line) {
        size_t begin = breaks_[line];
        bool first = begin == 0 || items_[begin - 1].Code == '\n';
        PlaceLine(begin, breaks_[line + 1], baseline, first);
    }
    return std::move(out_);
}

} // namespace swf
