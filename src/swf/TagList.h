#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace swf {

// One tag of the stream; Body points into the movie's own bytes.
struct Tag {
    uint16_t Code = 0;
    std::span<const uint8_t> Body;
};

// A stream of tags split into frames: the movie's own, or a sprite's.
struct TagList {
    std::vector<Tag> Tags;
    std::vector<size_t> FrameStarts;
    bool Truncated = false; // a tag ran past the end of the data
    // The stream ends with ShowFrame and then End, as a finished one does:
    // only then does a timeline playing it loop after its last frame.
    bool Closed = false;

    // Tags [FrameStart(n), FrameStart(n + 1)) make up frame n (0-based); the
    // last frame ends at the end of the tag list.
    size_t FrameStart(uint32_t frame) const {
        return frame < FrameStarts.size() ? FrameStarts[frame] : Tags.size();
    }
    uint32_t FramesInStream() const { return static_cast<uint32_t>(FrameStarts.size()); }
};

// Walks tag headers up to End or the end of the data. Never reads past it.
TagList ReadTagList(std::span<const uint8_t> data);

} // namespace swf
