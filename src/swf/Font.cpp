#include "swf/Font.h"

#include <algorithm>

namespace swf {

int Font::GlyphFor(char32_t code) const {
    auto it = std::find(Codes.begin(), Codes.end(), code);
    if (it == Codes.end() || size_t(it - Codes.begin()) >= Glyphs.size())
        return -1;
    return static_cast<int>(it - Codes.begin());
}

} // namespace swf
