#include "controls/MediaBitmapList.h"

#include "controls/MediaBitmapStream.h"

namespace controls {

TMediaBitmap* TMediaBitmapList::Bitmap(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return bitmaps_[static_cast<size_t>(index)].get();
}

TMediaBitmap& TMediaBitmapList::Add() { return *bitmaps_.emplace_back(std::make_unique<TMediaBitmap>()); }

void TMediaBitmapList::ReadData(std::span<const uint8_t> block) {
    // A damaged block leaves the list empty rather than half read.
    bitmaps_.clear();
    bitmaps_ = ReadMediaBitmaps(block);
}

std::vector<uint8_t> TMediaBitmapList::WriteData() const {
    std::vector<const TMediaBitmap*> bitmaps;
    for (const auto& bitmap : bitmaps_)
        bitmaps.push_back(bitmap.get());
    return WriteMediaBitmaps(bitmaps);
}

} // namespace controls
