#include "swf/ByteReader.h"

#include "swf/Error.h"

namespace swf {

void ByteReader::Require(size_t count) const {
    if (count > Remaining())
        ThrowDamaged("unexpected end of data");
}

uint8_t ByteReader::U8() {
    AlignToByte();
    Require(1);
    return data_[pos_++];
}

uint16_t ByteReader::U16() {
    uint16_t low = U8();
    return static_cast<uint16_t>(low | (U8() << 8));
}

uint32_t ByteReader::U32() {
    uint32_t low = U16();
    return low | (static_cast<uint32_t>(U16()) << 16);
}

std::span<const uint8_t> ByteReader::Bytes(size_t count) {
    AlignToByte();
    Require(count);
    auto result = data_.subspan(pos_, count);
    pos_ += count;
    return result;
}

uint32_t ByteReader::UBits(unsigned count) {
    uint32_t value = 0;
    for (unsigned i = 0; i < count; ++i) {
        if (bitCount_ == 0) {
            Require(1);
            bitBuffer_ = data_[pos_++];
            bitCount_ = 8;
        }
        --bitCount_;
        value = (value << 1) | ((bitBuffer_ >> bitCount_) & 1u);
    }
    return value;
}

int32_t ByteReader::SBits(unsigned count) {
    if (count == 0)
        return 0;
    uint32_t value = UBits(count);
    if (count < 32 && (value & (1u << (count - 1))))
        value |= ~0u << count; // sign-extend
    return static_cast<int32_t>(value);
}

} // namespace swf
