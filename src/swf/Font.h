#pragma once

#include "swf/FillContours.h"

#include <memory>
#include <string>
#include <vector>

namespace swf {

// An embedded font: glyph outlines in EmSize units per em, y down from the
// baseline, and for DefineFont2 and 3 the codes and metrics.
struct Font {
    std::string Name;
    bool Bold = false, Italic = false;
    double EmSize = 1024;
    std::vector<std::shared_ptr<const DrawableShape>> Glyphs;
    std::vector<char32_t> Codes;
    bool HasLayout = false;
    double Ascent = 0, Descent = 0, Leading = 0;
    std::vector<double> Advances;

    // Index of the glyph for a character, or -1.
    int GlyphFor(char32_t code) const;
};

} // namespace swf
