#include "swf/Movie.h"

#include "swf/ByteReader.h"
#include "swf/Container.h"
#include "swf/Dictionary.h"
#include "swf/Error.h"
#include "swf/Records.h"
#include "swf/TagCodes.h"

#include <algorithm>

namespace swf {

std::shared_ptr<const Movie> Movie::Parse(std::span<const uint8_t> file) {
    return std::make_shared<const Movie>(DecodeContainer(file));
}

Movie::Movie(std::vector<uint8_t> bytes)
    : bytes_(std::move(bytes)), dictionary_(std::make_unique<Dictionary>()) {
    ReadHeader();
}

Movie::~Movie() = default;

void Movie::ReadHeader() {
    ByteReader in(bytes_);
    in.Skip(3);
    header_.Version = in.U8();
    header_.FileLength = in.U32();
    try {
        header_.FrameSize = ReadRect(in);
        header_.FrameRate = in.U16();
        header_.FrameCount = in.U16();
    } catch (const Error&) {
        ThrowDamaged("the header is cut short");
    }
    ReadTags(in.Position());
}

void Movie::ReadTags(size_t offset) {
    list_ = ReadTagList(std::span<const uint8_t>(bytes_).subspan(offset));
    for (const Tag& tag : list_.Tags) {
        if (tag.Code == tagcode::SetBackgroundColor && !background_ && tag.Body.size() >= 3)
            background_ = Rgb{tag.Body[0], tag.Body[1], tag.Body[2]};
        dictionary_->Define(tag);
    }
}

uint32_t Movie::FrameCount() const { return std::max<uint32_t>(header_.FrameCount, 1); }

} // namespace swf
