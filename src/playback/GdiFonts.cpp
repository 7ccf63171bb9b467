#include "playback/GdiFonts.h"

#include "playback/GlyphOutline.h"
#include "ui/Text.h"

#include <array>
#include <vector>

namespace playback {
namespace {

// Outlines are taken at this many pixels per em, and scaled to the
// engine's 1024 units per em.
constexpr int EmPixels = 2048;
constexpr double ToEngineUnits = 1024.0 / EmPixels;

// The faces tried for each kind, in order: Windows' own, then those other
// systems (and Wine) usually have.
const std::vector<std::wstring>& Candidates(swf::GenericFace kind) {
    static const std::array<std::vector<std::wstring>, 3> faces{{
        {L"Arial", L"Tahoma", L"Microsoft Sans Serif", L"Segoe UI", L"Liberation Sans", L"DejaVu Sans"},
        {L"Times New Roman", L"Georgia", L"Liberation Serif", L"DejaVu Serif"},
        {L"Courier New", L"Consolas", L"Lucida Console", L"Liberation Mono", L"DejaVu Sans Mono"},
    }};
    return faces[static_cast<size_t>(kind)];
}

} // namespace

struct GdiFonts::Face {
    ui::FontHandle Font;
    swf::FontMetrics Metrics;
};

GdiFonts::GdiFonts() : dc_(CreateCompatibleDC(nullptr)) {}

GdiFonts::~GdiFonts() = default;

ui::FontHandle GdiFonts::CreateFace(const std::wstring& face, bool bold, bool italic) const {
    LOGFONTW lf{};
    lf.lfHeight = -EmPixels;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    lf.lfQuality = ANTIALIASED_QUALITY;
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return ui::FontHandle(CreateFontIndirectW(&lf));
}

// GDI picks some face for any name; the name is installed when the face it
// picks is the one asked for.
bool GdiFonts::IsInstalled(const std::wstring& face) {
    ui::FontHandle font = CreateFace(face, false, false);
    if (!font || !dc_)
        return false;
    ui::SelectObjectScope select(dc_.get(), font.get());
    std::array<wchar_t, LF_FACESIZE> picked{};
    GetTextFaceW(dc_.get(), int(picked.size()), picked.data());
    return _wcsicmp(picked.data(), face.c_str()) == 0;
}

std::wstring GdiFonts::InstalledFaceFor(const std::string& face) {
    if (auto it = installed_.find(face); it != installed_.end())
        return it->second;
    std::wstring wide = ui::Widen(face);
    std::wstring chosen;
    if (!face.starts_with('_') && IsInstalled(wide)) {
        chosen = wide;
    } else {
        const auto& candidates = Candidates(swf::GenericFaceOf(face));
        for (const std::wstring& candidate : candidates)
            if (IsInstalled(candidate)) {
                chosen = candidate;
                break;
            }
        // Nothing of its kind: whatever GDI substitutes for the first.
        if (chosen.empty())
            chosen = candidates.front();
    }
    return installed_[face] = chosen;
}

GdiFonts::Face& GdiFonts::Open(const std::string& name, bool bold, bool italic) {
    FaceKey key{InstalledFaceFor(name), bold, italic};
    auto& face = faces_[key];
    if (face)
        return *face;
    face = std::make_unique<Face>();
    face->Font = CreateFace(std::get<0>(key), bold, italic);
    face->Metrics = swf::BoxFontProvider().Metrics(name, bold, italic);
    if (face->Font && dc_) {
        ui::SelectObjectScope select(dc_.get(), face->Font.get());
        OUTLINETEXTMETRICW otm{};
        otm.otmSize = sizeof otm;
        if (GetOutlineTextMetricsW(dc_.get(), sizeof otm, &otm) != 0) {
            const TEXTMETRICW& tm = otm.otmTextMetrics;
            face->Metrics = {tm.tmAscent * ToEngineUnits, tm.tmDescent * ToEngineUnits,
                             tm.tmExternalLeading * ToEngineUnits};
        }
    }
    return *face;
}

const swf::DeviceGlyph* GdiFonts::Glyph(const std::string& name, bool bold, bool italic, char32_t code) {
    Face& face = Open(name, bold, italic);
    auto key = std::make_tuple(FaceKey{InstalledFaceFor(name), bold, italic}, code);
    if (auto it = glyphs_.find(key); it != glyphs_.end())
        return it->second.get();
    auto& glyph = glyphs_[key];
    if (!face.Font || !dc_ || code > 0xffff)
        return nullptr;
    ui::SelectObjectScope select(dc_.get(), face.Font.get());
    wchar_t character = wchar_t(code);
    WORD index = 0;
    if (GetGlyphIndicesW(dc_.get(), &character, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR ||
        index == 0xffff)
        return nullptr;
    GLYPHMETRICS metrics{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    const UINT format = GGO_NATIVE | GGO_UNHINTED;
    DWORD size = GetGlyphOutlineW(dc_.get(), UINT(code), format, &metrics, 0, nullptr, &identity);
    if (size == GDI_ERROR)
        return nullptr;
    std::vector<uint8_t> buffer(size);
    if (size > 0 && GetGlyphOutlineW(dc_.get(), UINT(code), format, &metrics, size, buffer.data(),
                                     &identity) == GDI_ERROR)
        return nullptr;
    glyph = std::make_unique<swf::DeviceGlyph>();
    glyph->Outline = std::make_shared<const swf::DrawableShape>(OutlineToShape(buffer, ToEngineUnits));
    glyph->Advance = metrics.gmCellIncX * ToEngineUnits;
    return glyph.get();
}

swf::FontMetrics GdiFonts::Metrics(const std::string& face, bool bold, bool italic) {
    return Open(face, bold, italic).Metrics;
}

} // namespace playback
