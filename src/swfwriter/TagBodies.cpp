#include "swfwriter/TagBodies.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on
#include <zlib.h>

#include <stdexcept>

namespace swfw {
namespace {

void Append(BitWriter& out, const std::vector<uint8_t>& bytes) { out.Bytes(bytes); }

} // namespace

std::vector<uint8_t> ShapeBody(uint16_t id, int version, const Twips& bounds, const ShapeBuilder& shape) {
    BitWriter out;
    out.U16(id);
    WriteRect(out, bounds);
    if (version >= 4) {
        WriteRect(out, bounds);
        out.U8(0);
    }
    Append(out, shape.Build());
    return out.Data();
}

namespace {

std::vector<uint8_t> PlaceBody(const Place& p, bool three) {
    BitWriter out;
    uint8_t flags = (p.ClipDepth ? 0x40 : 0) | (p.Name ? 0x20 : 0) | (p.Ratio ? 0x10 : 0) |
                    (p.Colors ? 0x08 : 0) | (p.Matrix ? 0x04 : 0) | (p.CharacterId ? 0x02 : 0) |
                    (p.Move ? 0x01 : 0);
    out.U8(flags);
    if (three)
        out.U8(uint8_t((p.Background ? 0x40 : 0) | (p.CacheAsBitmap ? 0x04 : 0) | (p.Blend ? 0x02 : 0) |
                       (p.Filters.empty() ? 0 : 0x01)));
    out.U16(p.Depth);
    if (p.CharacterId)
        out.U16(*p.CharacterId);
    if (p.Matrix)
        WriteMatrix(out, *p.Matrix);
    if (p.Colors)
        WriteColorTransform(out, *p.Colors, true);
    if (p.Ratio)
        out.U16(*p.Ratio);
    if (p.Name)
        WriteString(out, *p.Name);
    if (p.ClipDepth)
        out.U16(*p.ClipDepth);
    if (three)
        out.Bytes(p.Filters);
    if (three && p.Blend)
        out.U8(*p.Blend);
    if (three && p.CacheAsBitmap)
        out.U8(*p.CacheAsBitmap ? 1 : 0);
    if (three && p.Background)
        WriteColor(out, *p.Background, true);
    return out.Data();
}

} // namespace

std::vector<uint8_t> PlaceObject2Body(const Place& p) { return PlaceBody(p, false); }
std::vector<uint8_t> PlaceObject3Body(const Place& p) { return PlaceBody(p, true); }

std::vector<uint8_t> RemoveObject2Body(uint16_t depth) {
    BitWriter out;
    out.U16(depth);
    return out.Data();
}

std::vector<uint8_t> SpriteBody(uint16_t id, const MovieWriter& timeline) {
    BitWriter out;
    out.U16(id);
    out.U16(timeline.Frames());
    out.Bytes(timeline.TagBytes());
    out.U16(0);
    return out.Data();
}

std::vector<uint8_t> LosslessBody(uint16_t id, int version, int width, int height,
                                  const std::vector<uint32_t>& pixels) {
    std::vector<uint8_t> plain;
    for (uint32_t p : pixels)
        plain.insert(plain.end(),
                     {uint8_t(version == 2 ? p >> 24 : 0xff), uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
    BitWriter out;
    out.U16(id);
    out.U8(5);
    out.U16(static_cast<uint16_t>(width));
    out.U16(static_cast<uint16_t>(height));
    Append(out, Deflate(plain));
    return out.Data();
}

std::vector<uint8_t> LosslessPaletteBody(uint16_t id, int version, int width, int height,
                                         const std::vector<uint32_t>& palette,
                                         const std::vector<uint8_t>& indices) {
    std::vector<uint8_t> plain;
    for (uint32_t c : palette) {
        plain.insert(plain.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
        if (version == 2)
            plain.push_back(uint8_t(c >> 24));
    }
    size_t stride = (size_t(width) + 3) & ~size_t(3);
    for (int y = 0; y < height; ++y) {
        plain.insert(plain.end(), indices.begin() + y * width, indices.begin() + (y + 1) * width);
        plain.resize(plain.size() + stride - size_t(width), 0);
    }
    BitWriter out;
    out.U16(id);
    out.U8(3);
    out.U16(static_cast<uint16_t>(width));
    out.U16(static_cast<uint16_t>(height));
    out.U8(static_cast<uint8_t>(palette.size() - 1));
    Append(out, Deflate(plain));
    return out.Data();
}

std::vector<uint8_t> EncodeJpeg(int width, int height, const std::vector<uint32_t>& pixels) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(size_t(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint32_t p = pixels[size_t(y) * size_t(width) + size_t(x)];
            row[size_t(x) * 3] = uint8_t(p >> 16);
            row[size_t(x) * 3 + 1] = uint8_t(p >> 8);
            row[size_t(x) * 3 + 2] = uint8_t(p);
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> jpeg(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    free(buffer);
    return jpeg;
}

std::vector<uint8_t> Jpeg2Body(uint16_t id, const std::vector<uint8_t>& jpeg) {
    BitWriter out;
    out.U16(id);
    Append(out, jpeg);
    return out.Data();
}

std::vector<uint8_t> Jpeg3Body(uint16_t id, const std::vector<uint8_t>& jpeg,
                               const std::vector<uint8_t>& alpha) {
    BitWriter out;
    out.U16(id);
    out.U32(static_cast<uint32_t>(jpeg.size()));
    Append(out, jpeg);
    Append(out, Deflate(alpha));
    return out.Data();
}

std::vector<uint8_t> MorphBody(uint16_t id, const Twips& bounds,
                               const std::vector<std::pair<Rgba, Rgba>>& fills,
                               const ShapeBuilder& startEdges, const ShapeBuilder& endEdges) {
    BitWriter styles;
    styles.U8(static_cast<uint8_t>(fills.size()));
    for (const auto& [start, end] : fills) {
        styles.U8(0);
        WriteColor(styles, start, true);
        WriteColor(styles, end, true);
    }
    styles.U8(0); // no line styles
    Append(styles, startEdges.Build(false));
    const std::vector<uint8_t>& before = styles.Data();
    BitWriter out;
    out.U16(id);
    WriteRect(out, bounds);
    WriteRect(out, bounds);
    out.U32(static_cast<uint32_t>(before.size()));
    Append(out, before);
    Append(out, endEdges.Build(false));
    return out.Data();
}

std::vector<uint8_t> Font2Body(uint16_t id, const std::string& name, const std::vector<Glyph>& glyphs,
                               int16_t ascent, int16_t descent) {
    std::vector<std::vector<uint8_t>> shapes;
    for (const Glyph& g : glyphs)
        shapes.push_back(g.Outline.Build(false));
    BitWriter table; // offsets (32-bit), code table offset, shapes, codes
    size_t offset = (glyphs.size() + 1) * 4;
    for (const auto& s : shapes) {
        table.U32(static_cast<uint32_t>(offset));
        offset += s.size();
    }
    table.U32(static_cast<uint32_t>(offset));
    for (const auto& s : shapes)
        Append(table, s);
    for (const Glyph& g : glyphs)
        table.U16(static_cast<uint16_t>(g.Code));
    BitWriter out;
    out.U16(id);
    out.U8(0x80 | 0x08 | 0x04); // layout, wide offsets, wide codes
    out.U8(0);
    out.U8(static_cast<uint8_t>(name.size()));
    out.Bytes({reinterpret_cast<const uint8_t*>(name.data()), name.size()});
    out.U16(static_cast<uint16_t>(glyphs.size()));
    Append(out, table.Data());
    out.U16(static_cast<uint16_t>(ascent));
    out.U16(static_cast<uint16_t>(descent));
    out.U16(0); // leading
    for (const Glyph& g : glyphs)
        out.U16(static_cast<uint16_t>(g.Advance));
    for (size_t i = 0; i < glyphs.size(); ++i)
        WriteRect(out, {});
    out.U16(0); // kerning pairs
    return out.Data();
}

std::vector<uint8_t> TextBody(uint16_t id, int version, const Twips& bounds,
                              const std::vector<TextRecord>& records) {
    BitWriter out;
    out.U16(id);
    WriteRect(out, bounds);
    WriteMatrix(out, {});
    constexpr unsigned glyphBits = 8, advanceBits = 16;
    out.U8(glyphBits);
    out.U8(advanceBits);
    for (const TextRecord& r : records) {
        out.U8(0x80 | 0x08 | 0x04 | 0x02 | 0x01);
        out.U16(r.FontId);
        WriteColor(out, r.Color, version == 2);
        out.U16(static_cast<uint16_t>(r.X));
        out.U16(static_cast<uint16_t>(r.Y));
        out.U16(r.Height);
        out.U8(static_cast<uint8_t>(r.Glyphs.size()));
        for (const auto& [index, advance] : r.Glyphs) {
            out.UBits(index, glyphBits);
            out.SBits(advance, advanceBits);
        }
        out.Flush();
    }
    out.U8(0);
    return out.Data();
}

std::vector<uint8_t> EditTextBody(uint16_t id, const Field& f) {
    BitWriter out;
    out.U16(id);
    WriteRect(out, f.Bounds);
    out.U8(0x80 | (f.WordWrap ? 0x40 : 0) | (f.Multiline ? 0x20 : 0) | 0x08 | 0x04 | (f.FontId ? 0x01 : 0));
    out.U8(0x20 | (f.Border ? 0x08 : 0) | (f.Html ? 0x02 : 0) | (f.UseOutlines ? 0x01 : 0));
    if (f.FontId) {
        out.U16(*f.FontId);
        out.U16(f.Height);
    }
    WriteColor(out, f.Color, true);
    out.U8(f.Align);
    out.U16(0);
    out.U16(0);
    out.U16(0);
    out.U16(0);
    WriteString(out, f.Variable);
    WriteString(out, f.Text);
    return out.Data();
}

std::vector<uint8_t> Button2Body(uint16_t id, const std::vector<ButtonPart>& parts,
                                 const std::vector<ButtonActions>& actions) {
    BitWriter records;
    for (const ButtonPart& p : parts) {
        records.U8(uint8_t(p.States | (p.Filters.empty() ? 0 : 0x10) | (p.Blend ? 0x20 : 0)));
        records.U16(p.CharacterId);
        records.U16(p.Depth);
        WriteMatrix(records, p.Matrix);
        WriteColorTransform(records, {}, true);
        records.Bytes(p.Filters);
        if (p.Blend)
            records.U8(p.Blend);
    }
    records.U8(0);
    BitWriter out;
    out.U16(id);
    out.U8(0);
    // The offset counts from its own field to the first action record.
    out.U16(actions.empty() ? 0 : static_cast<uint16_t>(2 + records.Data().size()));
    out.Bytes(records.Data());
    for (size_t i = 0; i < actions.size(); ++i) {
        const ButtonActions& a = actions[i];
        out.U16(i + 1 == actions.size() ? 0 : static_cast<uint16_t>(4 + a.Actions.size()));
        out.U16(a.Conditions);
        out.Bytes(a.Actions);
    }
    return out.Data();
}

} // namespace swfw
