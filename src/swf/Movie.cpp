#include "swf/Movie.h"

#include "swf/ByteReader.h"
#include "swf/Container.h"
#include "swf/Error.h"

#include <algorithm>

namespace swf {
namespace {

Rect ReadRect(ByteReader& in) {
    unsigned bits = in.UBits(5);
    Rect r;
    r.XMin = in.SBits(bits);
    r.XMax = in.SBits(bits);
    r.YMin = in.SBits(bits);
    r.YMax = in.SBits(bits);
    in.AlignToByte();
    return r;
}

} // namespace

std::shared_ptr<const Movie> Movie::Parse(std::span<const uint8_t> file) {
    return std::make_shared<const Movie>(DecodeContainer(file));
}

Movie::Movie(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) { ReadHeader(); }

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
    WalkTags(in.Position());
}

void Movie::WalkTags(size_t offset) {
    ByteReader in(std::span<const uint8_t>(bytes_).subspan(offset));
    frameStarts_.push_back(0);
    while (in.Remaining() >= 2) {
        uint16_t codeAndLength = in.U16();
        Tag tag{static_cast<uint16_t>(codeAndLength >> 6), {}};
        size_t length = codeAndLength & 0x3f;
        if (length == 0x3f) {
            if (in.Remaining() < 4)
                break;
            length = in.U32();
        }
        if (length > in.Remaining()) {
            truncated_ = true;
            break;
        }
        tag.Body = in.Bytes(length);
        if (tag.Code == tag::End)
            break;
        tags_.push_back(tag);
        if (tag.Code == tag::SetBackgroundColor && !background_ && tag.Body.size() >= 3)
            background_ = Rgb{tag.Body[0], tag.Body[1], tag.Body[2]};
        if (tag.Code == tag::ShowFrame)
            frameStarts_.push_back(tags_.size());
    }
    // A stream that ends with ShowFrame has no tags after its last frame.
    if (frameStarts_.size() > 1 && frameStarts_.back() == tags_.size())
        frameStarts_.pop_back();
}

size_t Movie::FrameStart(uint32_t frame) const {
    return frame < frameStarts_.size() ? frameStarts_[frame] : tags_.size();
}

uint32_t Movie::FrameCount() const { return std::max<uint32_t>(header_.FrameCount, 1); }

} // namespace swf
