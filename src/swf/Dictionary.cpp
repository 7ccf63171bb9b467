#include "swf/Dictionary.h"

#include "swf/BitmapDecoder.h"
#include "swf/Error.h"
#include "swf/FontParser.h"
#include "swf/ShapeParser.h"
#include "swf/TagCodes.h"
#include "swf/TextParser.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace swf {
namespace {

namespace code = tagcode;

template <typename T> Character Make(T value) { return std::make_shared<const T>(std::move(value)); }

Character MakeShape(Shape shape) { return std::make_shared<const DrawableShape>(std::move(shape)); }

Sprite ParseSprite(ByteReader& in) {
    Sprite s;
    s.FrameCount = std::max<uint32_t>(in.U16(), 1);
    s.Frames = ReadTagList(in.Bytes(in.Remaining()));
    return s;
}

// The character a definition tag makes, or nothing for other tags.
std::optional<Character> Parse(uint16_t tagCode, ByteReader& in, std::span<const uint8_t> tables) {
    switch (tagCode) {
    case code::DefineShape:
        return MakeShape(ParseShape(in, 1));
    case code::DefineShape2:
        return MakeShape(ParseShape(in, 2));
    case code::DefineShape3:
        return MakeShape(ParseShape(in, 3));
    case code::DefineShape4:
        return MakeShape(ParseShape(in, 4));
    case code::DefineMorphShape:
        return Make(ParseMorphShape(in, 1));
    case code::DefineMorphShape2:
        return Make(ParseMorphShape(in, 2));
    case code::DefineSprite:
        return Make(ParseSprite(in));
    case code::DefineBits:
    case code::DefineBitsJpeg2:
    case code::DefineBitsJpeg3:
    case code::DefineBitsJpeg4:
        return Make(DecodeJpegTag(tagCode, in, tables));
    case code::DefineBitsLossless:
        return Make(DecodeLossless(in, 1));
    case code::DefineBitsLossless2:
        return Make(DecodeLossless(in, 2));
    case code::DefineButton:
        return Make(ParseButton(in, 1));
    case code::DefineButton2:
        return Make(ParseButton(in, 2));
    case code::DefineFont:
        return Make(ParseFont(in));
    case code::DefineFont2:
        return Make(ParseFont2(in, 2));
    case code::DefineFont3:
        return Make(ParseFont2(in, 3));
    case code::DefineText:
        return Make(ParseStaticText(in, 1));
    case code::DefineText2:
        return Make(ParseStaticText(in, 2));
    case code::DefineEditText:
        return Make(ParseEditText(in));
    default:
        return std::nullopt;
    }
}

bool IsDefinition(uint16_t tagCode) {
    static constexpr uint16_t codes[] = {
        code::DefineShape,      code::DefineBits,          code::DefineButton,       code::DefineFont,
        code::DefineText,       code::DefineFontInfo,      code::DefineBitsLossless, code::DefineBitsJpeg2,
        code::DefineShape2,     code::DefineShape3,        code::DefineText2,        code::DefineButton2,
        code::DefineBitsJpeg3,  code::DefineBitsLossless2, code::DefineEditText,     code::DefineSprite,
        code::DefineMorphShape, code::DefineFont2,         code::DefineFontInfo2,    code::DefineFont3,
        code::DefineShape4,     code::DefineMorphShape2,   code::DefineBitsJpeg4,    code::CSMTextSettings};
    return std::find(std::begin(codes), std::end(codes), tagCode) != std::end(codes);
}

} // namespace

void Dictionary::Define(const Tag& tag) {
    try {
        DefineOrThrow(tag);
    } catch (const Error& e) {
        problems_.push_back("tag " + std::to_string(tag.Code) + ": " + e.what());
    } catch (const std::bad_alloc&) {
        problems_.push_back("tag " + std::to_string(tag.Code) + ": not enough memory");
    }
}

void Dictionary::DefineOrThrow(const Tag& tag) {
    if (tag.Code == code::JpegTables) {
        jpegTables_ = tag.Body;
        return;
    }
    if (!IsDefinition(tag.Code))
        return;
    ByteReader in(tag.Body);
    uint16_t id = in.U16();
    if (tag.Code == code::DefineFontInfo || tag.Code == code::DefineFontInfo2) {
        DefineFontInfo(id, in, tag.Code == code::DefineFontInfo ? 1 : 2);
        return;
    }
    if (tag.Code == code::CSMTextSettings) {
        DefineTextSettings(id, in);
        return;
    }
    if (auto made = Parse(tag.Code, in, jpegTables_))
        characters_.insert_or_assign(id, std::move(*made));
}

void Dictionary::DefineFontInfo(uint16_t id, ByteReader& in, int version) {
    const Font* existing = FindFont(id);
    if (!existing)
        return;
    Font font = *existing;
    ApplyFontInfo(in, version, font);
    characters_.insert_or_assign(id, Make(std::move(font)));
}

// Only text fields keep their settings: static text shows them to no one.
void Dictionary::DefineTextSettings(uint16_t id, ByteReader& in) {
    const Character* c = Find(id);
    auto field = c ? std::get_if<std::shared_ptr<const EditText>>(c) : nullptr;
    if (!field)
        return;
    EditText settled = **field;
    uint8_t flags = in.U8();
    settled.Advanced = (flags >> 6) == 1;
    settled.GridFit = (flags >> 3) & 7;
    settled.Thickness = std::bit_cast<float>(in.U32());
    settled.Sharpness = std::bit_cast<float>(in.U32());
    characters_.insert_or_assign(id, Make(std::move(settled)));
}

const Character* Dictionary::Find(uint16_t id) const {
    auto it = characters_.find(id);
    return it == characters_.end() ? nullptr : &it->second;
}

const Bitmap* Dictionary::FindBitmap(uint16_t id) const {
    const Character* c = Find(id);
    auto bitmap = c ? std::get_if<std::shared_ptr<const Bitmap>>(c) : nullptr;
    return bitmap ? bitmap->get() : nullptr;
}

const Font* Dictionary::FindFont(uint16_t id) const {
    const Character* c = Find(id);
    auto font = c ? std::get_if<std::shared_ptr<const Font>>(c) : nullptr;
    return font ? font->get() : nullptr;
}

} // namespace swf

namespace swf {

const Font* Dictionary::FindFont(const std::string& name, bool bold, bool italic) const {
    for (const auto& [id, character] : characters_) {
        auto font = std::get_if<std::shared_ptr<const Font>>(&character);
        if (font && (*font)->Name == name && (*font)->Bold == bold && (*font)->Italic == italic &&
            !(*font)->Glyphs.empty())
            return font->get();
    }
    return nullptr;
}

} // namespace swf
