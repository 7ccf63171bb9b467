#include "swf/FontParser.h"

#include "swf/Error.h"
#include "swf/Records.h"
#include "swf/ShapeParser.h"

namespace swf {
namespace {

// Glyph i spans offsets[i] to offsets[i + 1] within `table`; the last ends
// at `end`.
void ReadGlyphs(std::span<const uint8_t> table, const std::vector<size_t>& offsets, size_t end, Font& font) {
    for (size_t i = 0; i < offsets.size(); ++i) {
        size_t from = offsets[i], to = i + 1 < offsets.size() ? offsets[i + 1] : end;
        if (from > to || to > table.size())
            ThrowDamaged("glyph offsets are out of range");
        ByteReader glyph(table.subspan(from, to - from));
        Shape shape;
        try {
            shape = ParseGlyph(glyph);
        } catch (const Error&) {
            // A damaged glyph shows as nothing; its neighbours still draw.
        }
        font.Glyphs.push_back(std::make_shared<const DrawableShape>(std::move(shape)));
    }
}

void ReadLayout(ByteReader& in, size_t glyphs, Font& font) {
    font.HasLayout = true;
    font.Ascent = in.U16();
    font.Descent = in.U16();
    font.Leading = static_cast<int16_t>(in.U16());
    for (size_t i = 0; i < glyphs; ++i)
        font.Advances.push_back(static_cast<int16_t>(in.U16()));
}

} // namespace

Font ParseFont(ByteReader& in) {
    auto table = in.Bytes(in.Remaining());
    ByteReader offsets(table);
    Font font;
    if (table.size() < 2)
        return font;
    size_t first = offsets.U16();
    std::vector<size_t> starts{first};
    for (size_t i = 1; i < first / 2; ++i)
        starts.push_back(offsets.U16());
    ReadGlyphs(table, starts, table.size(), font);
    return font;
}

Font ParseFont2(ByteReader& in, int version) {
    Font font;
    uint8_t flags = in.U8();
    bool wideOffsets = flags & 0x08, wideCodes = flags & 0x04;
    font.Italic = flags & 0x02;
    font.Bold = flags & 0x01;
    in.U8(); // language
    auto name = in.Bytes(in.U8());
    font.Name.assign(name.begin(), name.end());
    while (!font.Name.empty() && font.Name.back() == 0)
        font.Name.pop_back();
    size_t count = in.U16();
    if (version == 3)
        font.EmSize = 20480;
    auto table = in.Bytes(in.Remaining());
    ByteReader t(table);
    std::vector<size_t> offsets;
    for (size_t i = 0; i < count; ++i)
        offsets.push_back(wideOffsets ? t.U32() : t.U16());
    size_t codeTable = count > 0 || t.Remaining() > 0 ? (wideOffsets ? t.U32() : t.U16()) : 0;
    ReadGlyphs(table, offsets, codeTable, font);
    ByteReader rest(table);
    rest.Skip(codeTable);
    for (size_t i = 0; i < count; ++i)
        font.Codes.push_back(wideCodes ? rest.U16() : rest.U8());
    if (flags & 0x80)
        ReadLayout(rest, count, font);
    return font;
}

void ApplyFontInfo(ByteReader& in, int version, Font& font) {
    auto name = in.Bytes(in.U8());
    font.Name.assign(name.begin(), name.end());
    uint8_t flags = in.U8();
    font.Italic = flags & 0x04;
    font.Bold = flags & 0x02;
    bool wide = flags & 0x01;
    if (version == 2)
        in.U8(); // language
    font.Codes.clear();
    while (in.Remaining() >= (wide ? 2u : 1u))
        font.Codes.push_back(wide ? in.U16() : in.U8());
}

} // namespace swf
