#pragma once

#include "controls/MediaBitmap.h"

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

namespace controls {

// A stored bitmap list that cannot be read; the message says what is wrong.
class TBitmapStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The stored form of a bitmap list, all integers 32-bit little-endian:
// count, then per bitmap the name length, the name's bytes, width, height
// and width × height pixels (bytes B, G, R, A, rows top-down). A bitmap
// of zero width or height has no pixel bytes. An empty list is stored as
// no bytes at all.
std::vector<uint8_t> WriteMediaBitmaps(std::span<const TMediaBitmap* const> bitmaps);

// Reads a block written as above. Every count and size is checked against
// the bytes that remain before anything is allocated; a damaged block
// throws TBitmapStreamError.
std::vector<std::unique_ptr<TMediaBitmap>> ReadMediaBitmaps(std::span<const uint8_t> block);

} // namespace controls
