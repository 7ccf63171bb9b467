#pragma once

#include "controls/MediaBitmap.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace controls {

// The non-visual list of named bitmaps that the media styles draw from. It
// owns its bitmaps; they live until the list is cleared or destroyed.
class TMediaBitmapList {
public:
    int Count() const { return static_cast<int>(bitmaps_.size()); }
    // The bitmap at `index`, or none outside 0 .. Count() − 1.
    TMediaBitmap* Bitmap(int index) const;
    TMediaBitmap& Add();
    void Clear() { bitmaps_.clear(); }

    // The stored form "MediaBitmaps" (see MediaBitmapStream.h).
    void ReadData(std::span<const uint8_t> block);
    std::vector<uint8_t> WriteData() const;

private:
    std::vector<std::unique_ptr<TMediaBitmap>> bitmaps_;
};

} // namespace controls
