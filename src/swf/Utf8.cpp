#include "swf/Utf8.h"

namespace swf {
namespace {

// Length of the sequence a lead byte starts, 0 when it starts none.
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xc2 && lead <= 0xdf)
        return 2;
    if (lead >= 0xe0 && lead <= 0xef)
        return 3;
    if (lead >= 0xf0 && lead <= 0xf4)
        return 4;
    return 0;
}

} // namespace

std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        auto lead = static_cast<unsigned char>(text[i]);
        size_t length = SequenceLength(lead);
        bool valid = length > 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xc0) == 0x80;
        if (!valid) {
            out.push_back(lead);
            ++i;
            continue;
        }
        char32_t c = lead & (0x7f >> length);
        for (size_t k = 1; k < length; ++k)
            c = c << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3f);
        out.push_back(c);
        i += length;
    }
    return out;
}

} // namespace swf
