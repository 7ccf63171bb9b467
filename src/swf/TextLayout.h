#pragma once

#include "swf/Dictionary.h"
#include "swf/FontProvider.h"
#include "swf/HtmlText.h"

#include <vector>

namespace swf {

// A glyph outline placed in the text field's space (twips).
struct PlacedGlyph {
    const DrawableShape* Outline = nullptr;
    Matrix Transform;
    Rgba Color;
};

// How much room laid-out text takes (twips), without the field's gutters:
// the widest line, and the lines' heights with the leading between them.
struct TextExtent {
    double Width = 0, Height = 0;
    // Of the first line, for scripts that ask.
    double Ascent = 0, Descent = 0;
    size_t Lines = 0;
};

// Lays out the text of a text field: paragraphs, word wrap, alignment,
// margins, indents, leading and letter spacing, with glyphs from the
// embedded font when the field uses it and from the font provider
// otherwise. Scripts measure with the same layout the renderer draws.
class TextLayout {
public:
    // With `wholePixels`, advances, ascents and descents are rounded to
    // whole pixels, as TextFormat.getTextExtent measures.
    TextLayout(const EditText& field, const Dictionary& dictionary, FontProvider& fonts,
               bool wholePixels = false);
    std::vector<PlacedGlyph> Lay();
    TextExtent Extent();

private:
    struct Item {
        char32_t Code;
        const DrawableShape* Outline;
        double Advance, Scale; // twips; outline units to twips
        double Ascent, Descent; // twips, of the item's font at its size
        Rgba Color;
        size_t Run;
    };
    struct Line {
        size_t Begin, End, VisibleEnd;
        double Width, Ascent, Descent;
    };
    struct Paragraph {
        Align Alignment;
        double LeftMargin, RightMargin, Indent, BlockIndent, Leading; // twips
    };

    std::vector<StyledRun> Runs() const;
    void AddRun(size_t index);
    Item Measure(char32_t code, size_t index);
    double Pixels(double twips) const;
    std::pair<double, double> FontHeights(const StyledRun& run, double size);
    Paragraph ParagraphOf(size_t item) const;
    double Room(size_t item, bool firstOfParagraph) const;
    void Build();
    void Wrap();
    void MeasureLines();
    void PlaceLine(const Line& line, double baseline);

    const Font* EmbeddedFace(const StyledRun& run) const;
    bool Bold(const StyledRun& run) const;
    bool Italic(const StyledRun& run) const;

    const EditText& field_;
    const Dictionary& dictionary_;
    const Font* font_ = nullptr;
    FontProvider& fonts_;
    bool styled_ = false; // runs say bold and italic (HTML or scripts)
    bool wholePixels_ = false;
    std::vector<StyledRun> runs_;
    std::vector<Item> items_;
    std::vector<size_t> breaks_; // indices where lines start
    std::vector<Line> lines_;
    std::vector<PlacedGlyph> out_;
};

} // namespace swf
