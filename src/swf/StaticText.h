#pragma once

#include "swf/ColorTransform.h"
#include "swf/Matrix.h"
#include "swf/Movie.h"

#include <vector>

namespace swf {

struct TextGlyph {
    uint32_t Index = 0;
    double X = 0; // twips, in the text's space
};

struct TextRun {
    uint16_t FontId = 0;
    Rgba Color;
    double Y = 0;
    double Height = 0; // twips
    std::vector<TextGlyph> Glyphs;
};

// DefineText and DefineText2: glyphs of embedded fonts at fixed places.
struct StaticText {
    Rect Bounds;
    Matrix Transform;
    std::vector<TextRun> Runs;
};

} // namespace swf
