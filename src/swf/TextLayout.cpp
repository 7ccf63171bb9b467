#include "swf/TextLayout.h"

#include "swf/Utf8.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

// Text fields keep two pixels between their border and their text.
constexpr double Gutter = 40;

bool IsBreak(char32_t c) { return c == '\n' || c == '\r'; }

double Twips(const std::optional<double>& pixels, double fallback) {
    return pixels ? *pixels * 20 : fallback;
}

} // namespace

TextLayout::TextLayout(const EditText& field, const Dictionary& dictionary, FontProvider& fonts,
                       bool wholePixels)
    : field_(field), dictionary_(dictionary),
      font_(field.HasFont ? dictionary.FindFont(field.FontId) : nullptr), fonts_(fonts),
      styled_(field.Html || field.Runs), wholePixels_(wholePixels) {}

double TextLayout::Pixels(double twips) const { return wholePixels_ ? std::round(twips / 20) * 20 : twips; }

std::vector<StyledRun> TextLayout::Runs() const {
    std::vector<StyledRun> runs;
    if (field_.Runs)
        runs = *field_.Runs;
    else if (field_.Html)
        runs = ParseHtmlText(DecodeUtf8(field_.Text));
    else
        runs.push_back(
            StyledRun{DecodeUtf8(field_.Text), {}, {}, {}, false, false, {}, 0, {}, {}, {}, {}, {}});
    if (field_.Password)
        for (StyledRun& run : runs)
            for (char32_t& c : run.Text)
                c = IsBreak(c) ? c : U'*';
    return runs;
}

bool TextLayout::Bold(const StyledRun& run) const { return styled_ ? run.Bold : font_ && font_->Bold; }
bool TextLayout::Italic(const StyledRun& run) const { return styled_ ? run.Italic : font_ && font_->Italic; }

// In HTML the tags decide bold and italic, which pick the embedded face of
// that style and name when the movie has one; plain text keeps the field's
// font. Fields without embedded fonts draw with the device's.
const Font* TextLayout::EmbeddedFace(const StyledRun& run) const {
    if (!field_.UseOutlines)
        return nullptr;
    const Font* own = font_ && !font_->Glyphs.empty() ? font_ : nullptr;
    std::string name = run.Face.value_or(own ? own->Name : std::string());
    bool bold = Bold(run), italic = Italic(run);
    if (own && name == own->Name && bold == own->Bold && italic == own->Italic)
        return own;
    const Font* face = dictionary_.FindFont(name, bold, italic);
    return face ? face : own;
}

// Ascent and descent (twips) of a run's font at a size.
std::pair<double, double> TextLayout::FontHeights(const StyledRun& run, double size) {
    if (const Font* face = EmbeddedFace(run); face && face->HasLayout)
        return {face->Ascent / face->EmSize * size, face->Descent / face->EmSize * size};
    std::string name = run.Face.value_or(font_ ? font_->Name : "_sans");
    FontMetrics m = fonts_.Metrics(name, Bold(run), Italic(run));
    return {m.Ascent / 1024 * size, m.Descent / 1024 * size};
}

TextLayout::Item TextLayout::Measure(char32_t code, size_t index) {
    const StyledRun& run = runs_[index];
    double size = run.Size ? *run.Size * 20 : field_.Height;
    Item item{code, nullptr, size / 2, 1, 0, 0, run.Color.value_or(field_.Color), index};
    item.Color.A = field_.Color.A;
    const Font* font = EmbeddedFace(run);
    int glyph = font ? font->GlyphFor(code) : -1;
    if (glyph >= 0) {
        item.Scale = size / font->EmSize;
        item.Outline = font->Glyphs[size_t(glyph)].get();
        if (size_t(glyph) < font->Advances.size())
            item.Advance = font->Advances[size_t(glyph)] * item.Scale;
    } else {
        // A character the embedded font lacks is not drawn, but takes the
        // room the device font gives it.
        std::string face = run.Face.value_or(font_ ? font_->Name : "_sans");
        item.Scale = size / 1024;
        if (const DeviceGlyph* device = fonts_.Glyph(face, Bold(run), Italic(run), code)) {
            item.Outline = font ? nullptr : device->Outline.get();
            item.Advance = device->Advance * item.Scale;
        }
    }
    item.Advance = Pixels(item.Advance) + run.LetterSpacing * 20;
    return item;
}

void TextLayout::AddRun(size_t index) {
    const StyledRun& run = runs_[index];
    auto [ascent, descent] = FontHeights(run, run.Size ? *run.Size * 20 : field_.Height);
    // Line heights are kept in whole twips (whole pixels for extents).
    ascent = wholePixels_ ? Pixels(ascent) : std::floor(ascent);
    descent = wholePixels_ ? Pixels(descent) : std::floor(descent);
    for (size_t i = 0; i < run.Text.size(); ++i) {
        char32_t c = run.Text[i];
        if (c == '\r' && i + 1 < run.Text.size() && run.Text[i + 1] == '\n')
            continue;
        Item item = IsBreak(c) ? Item{'\n', nullptr, 0, 1, 0, 0, {}, index} : Measure(c, index);
        item.Ascent = ascent;
        item.Descent = descent;
        items_.push_back(item);
    }
}

TextLayout::Paragraph TextLayout::ParagraphOf(size_t item) const {
    if (item >= items_.size())
        return {field_.Alignment, field_.LeftMargin, field_.RightMargin, field_.Indent, 0, field_.Leading};
    const StyledRun& run = runs_[items_[item].Run];
    return {run.Alignment.value_or(field_.Alignment),
            Twips(run.LeftMargin, field_.LeftMargin),
            Twips(run.RightMargin, field_.RightMargin),
            Twips(run.Indent, field_.Indent),
            Twips(run.BlockIndent, 0),
            Twips(run.Leading, field_.Leading)};
}

// The width a line starting at `item` may fill.
double TextLayout::Room(size_t item, bool firstOfParagraph) const {
    Paragraph p = ParagraphOf(item);
    return field_.Bounds.Width() - 2 * Gutter - p.LeftMargin - p.RightMargin - p.BlockIndent -
           (firstOfParagraph ? p.Indent : 0);
}

// Lines start after each break, and with word wrap wherever the next word
// would run past the right margin.
void TextLayout::Wrap() {
    breaks_.assign(1, 0);
    double x = 0, room = Room(0, true);
    size_t lastSpace = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].Code == '\n') {
            breaks_.push_back(i + 1);
            x = 0;
            room = Room(i + 1, true);
            continue;
        }
        x += items_[i].Advance;
        if (items_[i].Code == ' ')
            lastSpace = i;
        if (field_.WordWrap && x > room && i > breaks_.back()) {
            size_t start = lastSpace > breaks_.back() ? lastSpace + 1 : i;
            breaks_.push_back(start);
            room = Room(start, false);
            x = 0;
            for (size_t k = start; k <= i; ++k)
                x += items_[k].Advance;
        }
    }
    breaks_.push_back(items_.size());
}

// A line is as high as the largest font on it; an empty line keeps the
// height of the break before it.
void TextLayout::MeasureLines() {
    for (size_t n = 0; n + 1 < breaks_.size(); ++n) {
        Line line{breaks_[n], breaks_[n + 1], breaks_[n + 1], 0, 0, 0};
        while (line.VisibleEnd > line.Begin &&
               (items_[line.VisibleEnd - 1].Code == '\n' || items_[line.VisibleEnd - 1].Code == ' '))
            --line.VisibleEnd;
        for (size_t i = line.Begin; i < line.VisibleEnd; ++i)
            line.Width += items_[i].Advance;
        size_t from = line.Begin, to = line.End;
        if (from == to && from > 0)
            --from;
        for (size_t i = from; i < to; ++i) {
            line.Ascent = std::max(line.Ascent, items_[i].Ascent);
            line.Descent = std::max(line.Descent, items_[i].Descent);
        }
        lines_.push_back(line);
    }
}

void TextLayout::Build() {
    if (!lines_.empty())
        return;
    runs_ = Runs();
    for (size_t i = 0; i < runs_.size(); ++i)
        AddRun(i);
    Wrap();
    MeasureLines();
}

void TextLayout::PlaceLine(const Line& line, double baseline) {
    bool first = line.Begin == 0 || items_[line.Begin - 1].Code == '\n';
    Paragraph p = ParagraphOf(line.Begin);
    double left = field_.Bounds.XMin + Gutter + p.LeftMargin + p.BlockIndent + (first ? p.Indent : 0);
    double room = Room(line.Begin, first);
    double x = left;
    if (p.Alignment == Align::Right)
        x += room - line.Width;
    else if (p.Alignment == Align::Center)
        x += (room - line.Width) / 2;
    for (size_t i = line.Begin; i < line.VisibleEnd; ++i) {
        const Item& it = items_[i];
        if (it.Outline)
            out_.push_back({it.Outline, Matrix{it.Scale, 0, 0, it.Scale, x, baseline}, it.Color});
        // The pen moves on by whole twips, so a long line of glyphs drifts
        // left of the exact advances as the plug-in's does; measurements and
        // wrapping keep the exact sum, as its textWidth does.
        x += std::floor(it.Advance);
    }
}

std::vector<PlacedGlyph> TextLayout::Lay() {
    Build();
    double baseline = field_.Bounds.YMin + Gutter;
    for (size_t n = 0; n < lines_.size(); ++n) {
        if (n > 0)
            baseline += lines_[n - 1].Descent + ParagraphOf(lines_[n - 1].Begin).Leading;
        baseline += lines_[n].Ascent;
        PlaceLine(lines_[n], baseline);
    }
    return std::move(out_);
}

TextExtent TextLayout::Extent() {
    Build();
    TextExtent e;
    if (items_.empty())
        return e;
    e.Ascent = lines_.front().Ascent;
    e.Descent = lines_.front().Descent;
    e.Lines = lines_.size();
    // The leading counts between lines, and after a line that is alone.
    for (size_t n = 0; n < lines_.size(); ++n) {
        e.Width = std::max(e.Width, lines_[n].Width);
        e.Height += lines_[n].Ascent + lines_[n].Descent;
        if (n + 1 < lines_.size() || lines_.size() == 1)
            e.Height += ParagraphOf(lines_[n].Begin).Leading;
    }
    return e;
}

} // namespace swf
