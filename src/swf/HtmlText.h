#pragma once

#include "swf/ColorTransform.h"
#include "swf/EditText.h"

#include <optional>
#include <string>
#include <vector>

namespace swf {

// A run of text in one style, from the HTML of a text field.
struct StyledRun {
    std::u32string Text;
    std::optional<Rgba> Color;
    std::optional<double> Size; // points, as in <font size>
    std::optional<std::string> Face;
    bool Bold = false, Italic = false;
    std::optional<swf::Align> Alignment; // from <p align>
    // Pixels; what scripts set through TextFormat. The paragraph's values
    // are those of its first run.
    double LetterSpacing = 0;
    std::optional<double> Leading, LeftMargin, RightMargin, Indent, BlockIndent;
};

// Reads the small HTML subset text fields use: <p align>, <br>, <font color
// size face>, <b>, <i> and the common entities; other tags are dropped. Paragraph
// ends become line breaks.
std::vector<StyledRun> ParseHtmlText(const std::u32string& html);

} // namespace swf
