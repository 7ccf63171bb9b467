#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace swf {

// Little-endian reader over a byte span. Every read is bounds-checked and
// throws swf::Error ("damaged movie: ...") instead of reading past the end.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    std::span<const uint8_t> Bytes(size_t count);
    void Skip(size_t count) { Bytes(count); }

    // Bit-level reads (SWF bit fields are big-endian within bytes).
    uint32_t UBits(unsigned count);
    int32_t SBits(unsigned count);
    void AlignToByte() { bitCount_ = 0; }

    size_t Position() const { return pos_; }
    size_t Remaining() const { return data_.size() - pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }

private:
    void Require(size_t count) const;

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    uint8_t bitBuffer_ = 0;
    unsigned bitCount_ = 0;
};

} // namespace swf
