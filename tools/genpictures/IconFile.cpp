#include "IconFile.h"

#include "resources/PictureStrip.h"

#include <stdexcept>

namespace genpictures {
namespace {

constexpr uint32_t DirectorySize = 6, EntrySize = 16, BitmapHeaderSize = 40;

class Bytes {
public:
    void U8(unsigned v) { data_.push_back(static_cast<uint8_t>(v)); }
    void U16(unsigned v) { U8(v & 0xFF), U8(v >> 8 & 0xFF); }
    void U32(uint32_t v) { U16(v & 0xFFFF), U16(v >> 16); }
    std::vector<uint8_t> Take() { return std::move(data_); }

private:
    std::vector<uint8_t> data_;
};

uint32_t MaskRowBytes(int size) { return static_cast<uint32_t>((size + 31) / 32 * 4); }

uint32_t ImageBytes(int size) {
    auto rows = static_cast<uint32_t>(size);
    return BitmapHeaderSize + rows * rows * 4 + rows * MaskRowBytes(size);
}

// The colour rows and then the mask rows, both bottom-up.
void WriteImage(Bytes& out, const Picture& picture) {
    int size = picture.Size;
    uint32_t pixelBytes = static_cast<uint32_t>(size * size) * 4;
    uint32_t maskBytes = static_cast<uint32_t>(size) * MaskRowBytes(size);
    out.U32(BitmapHeaderSize);
    out.U32(static_cast<uint32_t>(size));
    out.U32(static_cast<uint32_t>(size) * 2); // colour and mask
    out.U16(1);
    out.U16(32);
    out.U32(0); // uncompressed
    out.U32(pixelBytes + maskBytes);
    for (int i = 0; i < 4; ++i)
        out.U32(0);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x)
            out.U32(resources::Unpremultiply(picture.Pixels[static_cast<size_t>(y * size + x)]));
    for (int y = size - 1; y >= 0; --y) {
        for (uint32_t byte = 0; byte < MaskRowBytes(size); ++byte) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                int x = static_cast<int>(byte) * 8 + bit;
                bool clear = x >= size || picture.Pixels[static_cast<size_t>(y * size + x)] >> 24 == 0;
                bits |= (clear ? 0x80u : 0u) >> bit;
            }
            out.U8(bits);
        }
    }
}

} // namespace

std::vector<uint8_t> EncodeIcon(const std::vector<Picture>& pictures) {
    Bytes out;
    out.U16(0);
    out.U16(1); // an icon, not a cursor
    out.U16(static_cast<unsigned>(pictures.size()));
    uint32_t offset = DirectorySize + EntrySize * static_cast<uint32_t>(pictures.size());
    for (const Picture& picture : pictures) {
        if (picture.Size <= 0 || picture.Size > 256 ||
            picture.Pixels.size() != static_cast<size_t>(picture.Size * picture.Size))
            throw std::invalid_argument("an icon picture must be square, of 1 to 256 pixels");
        unsigned side = picture.Size == 256 ? 0 : static_cast<unsigned>(picture.Size);
        out.U8(side);
        out.U8(side);
        out.U8(0); // no palette
        out.U8(0);
        out.U16(1);
        out.U16(32);
        out.U32(ImageBytes(picture.Size));
        out.U32(offset);
        offset += ImageBytes(picture.Size);
    }
    for (const Picture& picture : pictures)
        WriteImage(out, picture);
    return out.Take();
}

} // namespace genpictures
