#pragma once

#include "swf/ByteReader.h"
#include "swf/ColorTransform.h"
#include "swf/Movie.h"

#include <memory>
#include <string>
#include <vector>

namespace swf {

struct StyledRun;

enum class Align : uint8_t { Left, Right, Center, Justify };

// DefineEditText: a text field with its initial text.
struct EditText {
    Rect Bounds;
    uint16_t FontId = 0;
    bool HasFont = false;
    std::string FontClass;
    double Height = 240; // twips
    Rgba Color{0, 0, 0, 255};
    Align Alignment = Align::Left;
    double LeftMargin = 0, RightMargin = 0, Indent = 0, Leading = 0;
    bool WordWrap = false, Multiline = false, Password = false, Border = false, Html = false;
    bool UseOutlines = false, AutoSize = false;
    // From CSMTextSettings: the advanced anti-aliasing and how glyphs snap
    // to pixels (0 none, 1 pixel, 2 subpixel), with its two strengths.
    bool Advanced = false;
    uint8_t GridFit = 1;
    double Thickness = 0, Sharpness = 0;
    // Scripts may give a field a background without a border, and colours.
    bool Background = false;
    Rgba BorderColor{0, 0, 0, 255}, BackgroundColor{255, 255, 255, 255};
    std::string VariableName;
    std::string Text;
    // The styled text of a field that scripts changed, laid out instead of
    // Text: it keeps the formats HTML cannot carry.
    std::shared_ptr<const std::vector<StyledRun>> Runs;
};

EditText ParseEditText(ByteReader& in);

} // namespace swf
