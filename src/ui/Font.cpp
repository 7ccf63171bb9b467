#include "ui/Font.h"

#include "ui/Handles.h"

#include <map>
#include <tuple>

namespace ui {

HFONT FontFor(const FontSpec& font) {
    using Key = std::tuple<std::wstring, int, bool, BYTE>;
    static std::map<Key, FontHandle> cache;
    Key key{font.Name, font.Height, font.Bold, font.Charset};
    auto it = cache.find(key);
    if (it == cache.end()) {
        LOGFONTW lf{};
        lf.lfHeight = -font.Height;
        lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
        lf.lfCharSet = font.Charset;
        lf.lfQuality = CLEARTYPE_QUALITY;
        lstrcpynW(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
        it = cache.emplace(key, FontHandle(CreateFontIndirectW(&lf))).first;
    }
    return it->second.get();
}

} // namespace ui
