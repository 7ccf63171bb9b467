#include "ui/Font.h"

#include "ui/Handles.h"

#include <map>
#include <tuple>

namespace ui {

HFONT FontFor(const FontSpec& spec) {
    using Key = std::tuple<std::wstring, int, bool, BYTE>;
    static std::map<Key, FontHandle> cache;
    Key key{spec.Name, spec.Height, spec.Bold, spec.Charset};
    auto it = cache.find(key);
    if (it == cache.end()) {
        LOGFONTW lf{};
        lf.lfHeight = -spec.Height;
        lf.lfWeight = spec.Bold ? FW_BOLD : FW_NORMAL;
        lf.lfCharSet = spec.Charset;
        lf.lfQuality = CLEARTYPE_QUALITY;
        lstrcpynW(lf.lfFaceName, spec.Name.c_str(), LF_FACESIZE);
        it = cache.emplace(key, FontHandle(CreateFontIndirectW(&lf))).first;
    }
    return it->second.get();
}

} // namespace ui
