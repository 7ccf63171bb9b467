#pragma once

#include "swf/HtmlText.h"
#include "swf/script/TextFormat.h"

#include <string>
#include <vector>

namespace swf::script {

std::u32string DecodeText(const std::string& utf8);
std::string EncodeText(const std::u32string& text);

// The text of a text field and the format of every character, kept as runs
// of one format. Paragraphs end with '\r'; the paragraph fields of a format
// (alignment, margins, indents, leading, bullet, tab stops) are the same for
// every character of a paragraph.
class TextFieldContent {
public:
    struct Run {
        size_t Length = 0;
        TextFormat Format;
    };

    const std::u32string& Text() const { return text_; }
    const std::vector<Run>& Runs() const { return runs_; }

    // Replaces characters [begin, end) (clamped) with text in one format.
    void Replace(size_t begin, size_t end, const std::u32string& text, const TextFormat& format);
    // Overlays a format on [begin, end); its paragraph fields go to the
    // whole paragraphs the range touches.
    void SetFormat(size_t begin, size_t end, const TextFormat& format);
    // What the characters of [begin, end) have in common; nothing for an
    // empty range.
    TextFormat FormatOf(size_t begin, size_t end) const;

    // The paragraph that holds character `at`: [begin, end), end at its '\r'
    // or the end of the text.
    std::pair<size_t, size_t> ParagraphAround(size_t at) const;

    // The text as the engine's layout takes it.
    std::vector<StyledRun> Styled() const;

private:
    // The index of the run that starts at `at`, splitting one if needed.
    size_t SplitAt(size_t at);
    void Merge();

    std::u32string text_;
    std::vector<Run> runs_;
};

} // namespace swf::script
