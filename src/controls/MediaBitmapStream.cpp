#include "controls/MediaBitmapStream.h"

#include <cstdlib>
#include <string>

namespace controls {

namespace {

// Smallest stored bitmap: name length, width and height.
constexpr size_t kMinBitmapBytes = 12;

class TBlockReader {
public:
    explicit TBlockReader(std::span<const uint8_t> data) : data_(data) {}

    size_t Remaining() const { return data_.size() - pos_; }

    uint32_t U32(const char* what) {
        auto bytes = Take(4, what);
        return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    }

    std::span<const uint8_t> Take(size_t count, const char* what) {
        if (count > Remaining())
            Fail(std::string(what) + " needs " + std::to_string(count) + " bytes, " +
                 std::to_string(Remaining()) + " left");
        auto result = data_.subspan(pos_, count);
        pos_ += count;
        return result;
    }

    [[noreturn]] static void Fail(const std::string& what) {
        throw TBitmapStreamError("damaged bitmap list: " + what);
    }

private:
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
};

void ReadPixels(TBlockReader& reader, TMediaBitmap& bitmap, int32_t width, int32_t height) {
    unsigned long long w = std::llabs(static_cast<long long>(width));
    unsigned long long h = std::llabs(static_cast<long long>(height));
    if (w == 0 || h == 0)
        return;
    if (w * h > reader.Remaining() / 4)
        TBlockReader::Fail("bitmap \"" + bitmap.Name() + "\" of " + std::to_string(w) + " x " +
                           std::to_string(h) + " pixels is larger than the " +
                           std::to_string(reader.Remaining()) + " bytes left");
    bitmap.SetSize(width, height);
    for (int y = 0; y < bitmap.Height(); ++y) {
        auto bytes = reader.Take(static_cast<size_t>(bitmap.Width()) * 4, "pixel row");
        auto row = bitmap.Row(y);
        for (size_t x = 0; x < row.size(); ++x)
            row[x] = bytes[4 * x] | (bytes[4 * x + 1] << 8) | (bytes[4 * x + 2] << 16) |
                     (static_cast<uint32_t>(bytes[4 * x + 3]) << 24);
    }
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

} // namespace

std::vector<std::unique_ptr<TMediaBitmap>> ReadMediaBitmaps(std::span<const uint8_t> block) {
    std::vector<std::unique_ptr<TMediaBitmap>> bitmaps;
    if (block.empty())
        return bitmaps;
    TBlockReader reader(block);
    uint32_t count = reader.U32("count");
    if (count > reader.Remaining() / kMinBitmapBytes)
        TBlockReader::Fail(std::to_string(count) + " bitmaps cannot fit in " +
                           std::to_string(reader.Remaining()) + " bytes");
    for (uint32_t i = 0; i < count; ++i) {
        auto& bitmap = *bitmaps.emplace_back(std::make_unique<TMediaBitmap>());
        auto name = reader.Take(reader.U32("name length"), "name");
        bitmap.SetName(std::string(name.begin(), name.end()));
        auto width = static_cast<int32_t>(reader.U32("width"));
        auto height = static_cast<int32_t>(reader.U32("height"));
        ReadPixels(reader, bitmap, width, height);
    }
    if (reader.Remaining() != 0)
        TBlockReader::Fail(std::to_string(reader.Remaining()) + " bytes after the last bitmap");
    return bitmaps;
}

std::vector<uint8_t> WriteMediaBitmaps(std::span<const TMediaBitmap* const> bitmaps) {
    std::vector<uint8_t> out;
    if (bitmaps.empty())
        return out;
    PutU32(out, static_cast<uint32_t>(bitmaps.size()));
    for (const TMediaBitmap* bitmap : bitmaps) {
        PutU32(out, static_cast<uint32_t>(bitmap->Name().size()));
        out.insert(out.end(), bitmap->Name().begin(), bitmap->Name().end());
        PutU32(out, static_cast<uint32_t>(bitmap->Width()));
        PutU32(out, static_cast<uint32_t>(bitmap->Height()));
        for (int y = 0; y < bitmap->Height(); ++y)
            for (TPixel pixel : bitmap->Row(y))
                PutU32(out, pixel);
    }
    return out;
}

} // namespace controls
