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

// Lays out the text of a text field: paragraphs, word wrap, alignment and
// margins, with glyphs from the embedded font when the field uses it and
// from the font provider otherwise.
class TextLayout {
public:
    TextLayout(const EditText& field, const Dictionary& dictionary, FontProvider& fonts);
    std::vector<PlacedGlyph> Lay();

private:
    struct Item {
        char32_t Code;
        const DrawableShape* Outline;
        double Advance, Scale; // twips; outline units to twips
        Rgba Color;
        Align Alignment;
    };

    std::vector<StyledRun> Runs() const;
    void AddRun(const StyledRun& run);
    Item Measure(char32_t code, const StyledRun& run);
    void Wrap();
    void PlaceLine(size_t begin, size_t end, double& baseline, bool firstOfParagraph);

    const Font* EmbeddedFace(const StyledRun& run) const;

    const EditText& field_;
    const Dictionary& dictionary_;
    const Font* font_ = nullptr;
    FontProvider& fonts_;
    bool embedded_ = false;
    double ascent_ = 0, descent_ = 0; // twips
    std::vector<Item> items_;
    std::vector<size_t> breaks_; // indices where lines start
    std::vector<PlacedGlyph> out_;
};

} // namespace swf
