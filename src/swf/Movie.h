#pragma once

#include "swf/TagList.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace swf {

// Rectangle in twips (1/20 pixel).
struct Rect {
    int32_t XMin = 0, XMax = 0, YMin = 0, YMax = 0;
    int32_t Width() const { return XMax - XMin; }
    int32_t Height() const { return YMax - YMin; }
};

struct Rgb {
    uint8_t R = 0, G = 0, B = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct MovieHeader {
    uint8_t Version = 0;
    uint32_t FileLength = 0; // as declared, header included
    Rect FrameSize;
    uint16_t FrameRate = 0; // 8.8 fixed point frames per second
    uint16_t FrameCount = 0;

    double FramesPerSecond() const { return FrameRate / 256.0; }
};

class Dictionary;

// A decoded movie: the header, its tag stream split into frames, and the
// characters it defines. Immutable once parsed.
class Movie {
public:
    // Parses the bytes of a .swf file (any container). Throws swf::Error.
    static std::shared_ptr<const Movie> Parse(std::span<const uint8_t> file);

    const MovieHeader& Header() const { return header_; }
    const std::vector<Tag>& Tags() const { return list_.Tags; }
    const TagList& Frames() const { return list_; }
    const swf::Dictionary& Characters() const { return *dictionary_; }

    // Tags [FrameStart(n), FrameStart(n + 1)) make up frame n (0-based); the
    // last frame ends at the end of the tag list.
    size_t FrameStart(uint32_t frame) const { return list_.FrameStart(frame); }
    uint32_t FramesInStream() const { return list_.FramesInStream(); }

    // Frames the movie reports: the header's count, at least one.
    uint32_t FrameCount() const;

    std::optional<Rgb> BackgroundColor() const { return background_; }

    // The tag stream stopped early (a tag ran past the end of the data).
    bool Truncated() const { return list_.Truncated; }

    // Use Parse(); public only for std::make_shared.
    explicit Movie(std::vector<uint8_t> bytes);
    ~Movie();

private:
    void ReadHeader();
    void ReadTags(size_t offset);

    std::vector<uint8_t> bytes_;
    MovieHeader header_;
    TagList list_;
    std::unique_ptr<swf::Dictionary> dictionary_;
    std::optional<Rgb> background_;
};

} // namespace swf
