#include "swf/script/TextFormat.h"

namespace swf::script {
namespace {

// Calls f on the matching fields of two formats.
template <class F> void EachField(TextFormat& a, const TextFormat& b, F&& f) {
    f(a.Font, b.Font);
    f(a.Url, b.Url);
    f(a.Target, b.Target);
    f(a.Align, b.Align);
    f(a.Size, b.Size);
    f(a.Color, b.Color);
    f(a.BlockIndent, b.BlockIndent);
    f(a.Indent, b.Indent);
    f(a.Leading, b.Leading);
    f(a.LeftMargin, b.LeftMargin);
    f(a.RightMargin, b.RightMargin);
    f(a.LetterSpacing, b.LetterSpacing);
    f(a.Bold, b.Bold);
    f(a.Italic, b.Italic);
    f(a.Underline, b.Underline);
    f(a.Bullet, b.Bullet);
    f(a.Kerning, b.Kerning);
    f(a.TabStops, b.TabStops);
}

} // namespace

void TextFormat::Apply(const TextFormat& over) {
    EachField(*this, over, [](auto& mine, const auto& theirs) {
        if (theirs)
            mine = theirs;
    });
}

void TextFormat::KeepCommon(const TextFormat& other) {
    EachField(*this, other, [](auto& mine, const auto& theirs) {
        if (mine != theirs)
            mine.reset();
    });
}

TextFormat TextFormat::Defaults() {
    TextFormat f;
    f.Font = "Times New Roman";
    f.Url = "";
    f.Target = "";
    f.Align = "left";
    f.Size = 12;
    f.Color = 0;
    f.BlockIndent = f.Indent = f.Leading = f.LeftMargin = f.RightMargin = f.LetterSpacing = 0;
    f.Bold = f.Italic = f.Underline = f.Bullet = f.Kerning = false;
    f.TabStops = std::vector<double>{};
    return f;
}

} // namespace swf::script
