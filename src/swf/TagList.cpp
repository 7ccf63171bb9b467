#include "swf/TagList.h"

#include "swf/ByteReader.h"

namespace swf {

TagList ReadTagList(std::span<const uint8_t> data) {
    TagList list;
    ByteReader in(data);
    list.FrameStarts.push_back(0);
    while (in.Remaining() >= 2) {
        uint16_t codeAndLength = in.U16();
        Tag tag{static_cast<uint16_t>(codeAndLength >> 6), {}};
        size_t length = codeAndLength & 0x3f;
        if (length == 0x3f) {
            if (in.Remaining() < 4) {
                list.Truncated = true;
                break;
            }
            length = in.U32();
        }
        if (length > in.Remaining()) {
            list.Truncated = true;
            break;
        }
        tag.Body = in.Bytes(length);
        if (tag.Code == 0) {
            list.Closed = list.FrameStarts.back() == list.Tags.size();
            break;
        }
        list.Tags.push_back(tag);
        if (tag.Code == 1)
            list.FrameStarts.push_back(list.Tags.size());
    }
    // A stream that ends with ShowFrame has no tags after its last frame.
    if (list.FrameStarts.size() > 1 && list.FrameStarts.back() == list.Tags.size())
        list.FrameStarts.pop_back();
    return list;
}

} // namespace swf
