#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace swfw {

// Accumulates SWF bit fields and little-endian values.
class BitWriter {
public:
    void U8(uint8_t v) { Flush(), bytes_.push_back(v); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void Bytes(std::span<const uint8_t> data);
    void UBits(uint32_t value, unsigned count);
    void SBits(int32_t value, unsigned count);
    void Flush(); // pads the current byte with zero bits

    // Fewest bits that hold every value as a signed field.
    static unsigned SignedBitsFor(std::initializer_list<int32_t> values);

    const std::vector<uint8_t>& Data() {
        Flush();
        return bytes_;
    }

private:
    std::vector<uint8_t> bytes_;
    uint8_t partial_ = 0;
    unsigned partialBits_ = 0;
};

struct Twips {
    int32_t XMin = 0, XMax = 0, YMin = 0, YMax = 0;
};

void WriteRect(BitWriter& out, const Twips& rect);

enum class Compression { None, Zlib, Lzma };

// Builds a movie tag by tag, for tests and for the generated movies the
// program ships.
class MovieWriter {
public:
    MovieWriter(uint8_t version, Twips stage, double framesPerSecond);

    void Tag(uint16_t code, std::span<const uint8_t> body);
    void SetBackgroundColor(uint8_t r, uint8_t g, uint8_t b);
    void ShowFrame();

    // The finished file; the frame count in the header is the number of
    // ShowFrame tags written, unless overridden.
    std::vector<uint8_t> Build(Compression compression = Compression::None) const;
    void OverrideFrameCount(uint16_t count) { frameCountOverride_ = count; }

    // The tags written so far, for a sprite's timeline.
    const std::vector<uint8_t>& TagBytes() const { return tags_; }
    uint16_t Frames() const { return frames_; }

private:
    uint8_t version_;
    Twips stage_;
    uint16_t frameRate_;
    uint16_t frames_ = 0;
    int frameCountOverride_ = -1;
    std::vector<uint8_t> tags_;
};

} // namespace swfw
