#pragma once

#include <optional>
#include <string>
#include <vector>

namespace swf::script {

// The character and paragraph format of a run of text in a text field, as
// the TextFormat class shows it: a field left out is "mixed" or "not set"
// (null to scripts).
struct TextFormat {
    std::optional<std::string> Font, Url, Target, Align;
    std::optional<double> Size, Color, BlockIndent, Indent, Leading, LeftMargin, RightMargin, LetterSpacing;
    std::optional<bool> Bold, Italic, Underline, Bullet, Kerning;
    std::optional<std::vector<double>> TabStops;

    bool operator==(const TextFormat&) const = default;

    // Overlays the fields `over` sets.
    void Apply(const TextFormat& over);
    // Keeps only the fields this and `other` agree on.
    void KeepCommon(const TextFormat& other);

    // A field's format before any script changes it: every field set.
    static TextFormat Defaults();
};

} // namespace swf::script
