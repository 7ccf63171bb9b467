#pragma once

#include "swf/TagCodes.h"
#include "swfwriter/ShapeBuilder.h"
#include "swfwriter/SwfWriter.h"

#include <optional>
#include <string>
#include <vector>

namespace swfw {

namespace code = swf::tagcode;

// The bodies of the tags the tests and generators write; MovieWriter::Tag
// puts them in a movie.
std::vector<uint8_t> ShapeBody(uint16_t id, int version, const Twips& bounds, const ShapeBuilder& shape);

struct Place {
    uint16_t Depth = 1;
    std::optional<uint16_t> CharacterId;
    std::optional<Transform> Matrix;
    std::optional<ColorTransform> Colors;
    std::optional<uint16_t> Ratio;
    std::optional<std::string> Name;
    std::optional<uint16_t> ClipDepth;
    bool Move = false;
    std::optional<uint8_t> Blend; // only in PlaceObject3
    std::vector<uint8_t> Filters;  // a FilterList; only in PlaceObject3
    std::optional<bool> CacheAsBitmap;
    std::optional<Rgba> Background;
};
std::vector<uint8_t> PlaceObject2Body(const Place& p);
std::vector<uint8_t> PlaceObject3Body(const Place& p);
std::vector<uint8_t> RemoveObject2Body(uint16_t depth);

// The tags written to `timeline` so far make up the sprite's frames.
std::vector<uint8_t> SpriteBody(uint16_t id, const MovieWriter& timeline);

// Pixels are 0xAARRGGBB; for version 2 they must be premultiplied.
std::vector<uint8_t> LosslessBody(uint16_t id, int version, int width, int height,
                                  const std::vector<uint32_t>& pixels);
// Format 3: 8-bit indices into a palette (RGB for version 1, RGBA for 2).
std::vector<uint8_t> LosslessPaletteBody(uint16_t id, int version, int width, int height,
                                         const std::vector<uint32_t>& palette,
                                         const std::vector<uint8_t>& indices);
// A JPEG of the pixels (opaque RGB), quality 100.
std::vector<uint8_t> EncodeJpeg(int width, int height, const std::vector<uint32_t>& pixels);
std::vector<uint8_t> Jpeg2Body(uint16_t id, const std::vector<uint8_t>& jpeg);
std::vector<uint8_t> Jpeg3Body(uint16_t id, const std::vector<uint8_t>& jpeg,
                               const std::vector<uint8_t>& alpha);

// Start and end shapes must have the same edges in the same order; the
// start builder holds the styles as pairs: its fills are the start fills
// and `endFills` the end colours of solid fills, in order.
std::vector<uint8_t> MorphBody(uint16_t id, const Twips& bounds,
                               const std::vector<std::pair<Rgba, Rgba>>& fills,
                               const ShapeBuilder& startEdges, const ShapeBuilder& endEdges);

struct Glyph {
    char32_t Code;
    ShapeBuilder Outline; // in 1024 (DefineFont2) or 20480 (DefineFont3) units per em
    int16_t Advance;
};
// DefineFont2 and DefineFont3 share this layout; the tag code tells them apart.
std::vector<uint8_t> Font2Body(uint16_t id, const std::string& name, const std::vector<Glyph>& glyphs,
                               int16_t ascent, int16_t descent);

struct TextRecord {
    uint16_t FontId;
    Rgba Color;
    int16_t X, Y;
    uint16_t Height;
    std::vector<std::pair<uint32_t, int32_t>> Glyphs; // index, advance
};
std::vector<uint8_t> TextBody(uint16_t id, int version, const Twips& bounds,
                              const std::vector<TextRecord>& records);

struct Field {
    Twips Bounds;
    std::optional<uint16_t> FontId;
    uint16_t Height = 240;
    Rgba Color;
    std::string Text;
    bool UseOutlines = false, WordWrap = false, Multiline = false, Border = false, Html = false;
    uint8_t Align = 0;
    std::string Variable{};
};
std::vector<uint8_t> EditTextBody(uint16_t id, const Field& f);

struct ButtonPart {
    uint8_t States; // 1 up, 2 over, 4 down, 8 hit
    uint16_t CharacterId;
    uint16_t Depth;
    Transform Matrix;
    std::vector<uint8_t> Filters{}; // a FilterList; empty: none
    uint8_t Blend = 0;              // 0: none written
};
// A condition word (transition bits, key code << 9) and its action bytes.
struct ButtonActions {
    uint16_t Conditions;
    std::vector<uint8_t> Actions;
};
std::vector<uint8_t> Button2Body(uint16_t id, const std::vector<ButtonPart>& parts,
                                 const std::vector<ButtonActions>& actions = {});

} // namespace swfw
