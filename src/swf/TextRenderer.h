#pragma once

#include "swf/Dictionary.h"
#include "swf/FontProvider.h"
#include "swf/ShapeRenderer.h"

namespace swf {

// Draws static text (glyphs of embedded fonts, or of device fonts named by
// DefineFontInfo) and text fields.
class TextRenderer {
public:
    TextRenderer(ShapeRenderer& shapes, const Dictionary& dictionary, FontProvider& fonts)
        : shapes_(shapes), dictionary_(dictionary), fonts_(fonts) {}

    void DrawStatic(const StaticText& text, const DrawState& state);
    void DrawField(const EditText& field, const DrawState& state);

private:
    void DrawRun(const TextRun& run, const Font& font, const DrawState& state);
    void DrawBorder(const EditText& field, const DrawState& state);

    ShapeRenderer& shapes_;
    const Dictionary& dictionary_;
    FontProvider& fonts_;
};

} // namespace swf
