#pragma once

#include "swf/Bitmap.h"
#include "swf/Button.h"
#include "swf/EditText.h"
#include "swf/FillContours.h"
#include "swf/Font.h"
#include "swf/MorphShape.h"
#include "swf/StaticText.h"
#include "swf/TagList.h"

#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace swf {

struct Sprite {
    TagList Frames;
    uint32_t FrameCount = 1;
};

using Character = std::variant<std::shared_ptr<const DrawableShape>, std::shared_ptr<const MorphShape>,
                               std::shared_ptr<const Sprite>, std::shared_ptr<const Bitmap>,
                               std::shared_ptr<const Button>, std::shared_ptr<const Font>,
                               std::shared_ptr<const StaticText>, std::shared_ptr<const EditText>>;

// The characters a movie defines, by id. A definition that cannot be read
// is left out with a note in Problems(); the rest of the movie still plays.
class Dictionary {
public:
    void Define(const Tag& tag);

    const Character* Find(uint16_t id) const;
    const Bitmap* FindBitmap(uint16_t id) const;
    const Font* FindFont(uint16_t id) const;
    // An embedded font by name and style, for text fields whose HTML asks
    // for bold or italic; null when the movie embeds no such face.
    const Font* FindFont(const std::string& name, bool bold, bool italic) const;
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    void DefineOrThrow(const Tag& tag);
    void DefineFontInfo(uint16_t id, ByteReader& in, int version);
    void DefineTextSettings(uint16_t id, ByteReader& in);

    std::map<uint16_t, Character> characters_;
    std::span<const uint8_t> jpegTables_;
    std::vector<std::string> problems_;
};

} // namespace swf
