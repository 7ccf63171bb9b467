#include "swf/GifDecoder.h"

#include "swf/BitmapDecoder.h"
#include "swf/ByteReader.h"
#include "swf/Error.h"
#include "swf/GifLzw.h"

#include <algorithm>
#include <optional>

namespace swf {
namespace {

struct ImageBlock {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Interlaced = false;
    std::vector<uint32_t> Colors; // opaque 0xffRRGGBB
    int MinCodeSize = 0;
    std::vector<uint8_t> Data; // the sub-blocks joined
};

std::vector<uint32_t> ReadColorTable(ByteReader& in, uint8_t flags) {
    std::vector<uint32_t> colors;
    if ((flags & 0x80) == 0)
        return colors;
    size_t count = size_t(2) << (flags & 7);
    auto bytes = in.Bytes(count * 3);
    for (size_t i = 0; i < count; ++i)
        colors.push_back(0xff000000u | uint32_t(bytes[i * 3]) << 16 | uint32_t(bytes[i * 3 + 1]) << 8 |
                         bytes[i * 3 + 2]);
    return colors;
}

// Sub-blocks end with an empty one; a file cut short ends them too.
std::vector<uint8_t> ReadSubBlocks(ByteReader& in) {
    std::vector<uint8_t> data;
    while (!in.AtEnd()) {
        uint8_t size = in.U8();
        if (size == 0)
            break;
        auto block = in.Bytes(std::min<size_t>(size, in.Remaining()));
        data.insert(data.end(), block.begin(), block.end());
    }
    return data;
}

// The graphic control extension's transparent index, if it sets one.
std::optional<uint8_t> ReadExtension(ByteReader& in) {
    uint8_t label = in.U8();
    std::vector<uint8_t> data = ReadSubBlocks(in);
    if (label == 0xf9 && data.size() >= 4 && (data[0] & 1))
        return data[3];
    return std::nullopt;
}

ImageBlock ReadImage(ByteReader& in, const std::vector<uint32_t>& globalColors) {
    ImageBlock image;
    image.Left = in.U16();
    image.Top = in.U16();
    image.Width = in.U16();
    image.Height = in.U16();
    CheckBitmapSize(image.Width, image.Height);
    uint8_t flags = in.U8();
    image.Interlaced = (flags & 0x40) != 0;
    image.Colors = ReadColorTable(in, flags);
    if (image.Colors.empty())
        image.Colors = globalColors;
    if (image.Colors.empty())
        ThrowDamaged("GIF image has no colour table");
    image.MinCodeSize = in.U8();
    image.Data = ReadSubBlocks(in);
    return image;
}

// The row of the image that the n-th decoded row fills.
int RowOf(int n, int height, bool interlaced) {
    if (!interlaced)
        return n;
    struct Pass {
        int Start, Step;
    };
    for (Pass pass : {Pass{0, 8}, Pass{4, 8}, Pass{2, 4}, Pass{1, 2}}) {
        int rows = height > pass.Start ? (height - pass.Start + pass.Step - 1) / pass.Step : 0;
        if (n < rows)
            return pass.Start + n * pass.Step;
        n -= rows;
    }
    return height;
}

void Paint(Bitmap& bmp, const ImageBlock& image, const std::vector<uint8_t>& indices,
           std::optional<uint8_t> transparent) {
    // Rows the data does not reach stay transparent, as viewers show a
    // file cut short.
    for (size_t i = 0; i < indices.size(); ++i) {
        int x = image.Left + int(i % size_t(image.Width));
        int y = image.Top + RowOf(int(i / size_t(image.Width)), image.Height, image.Interlaced);
        uint8_t index = indices[i];
        if (x >= bmp.Width || y >= bmp.Height || index == transparent)
            continue;
        bmp.Pixels[size_t(y) * size_t(bmp.Width) + size_t(x)] =
            index < image.Colors.size() ? image.Colors[index] : 0xff000000u;
    }
}

} // namespace

Bitmap DecodeGif(std::span<const uint8_t> file) {
    ByteReader in(file);
    auto magic = in.Bytes(6);
    if (!std::equal(magic.begin(), magic.begin() + 3, "GIF"))
        ThrowDamaged("not a GIF image");
    Bitmap bmp;
    bmp.Width = in.U16();
    bmp.Height = in.U16();
    uint8_t flags = in.U8();
    in.Skip(2); // background colour, aspect ratio
    std::vector<uint32_t> globalColors = ReadColorTable(in, flags);
    std::optional<uint8_t> transparent;
    while (true) {
        uint8_t block = in.U8();
        if (block == 0x21) {
            if (auto t = ReadExtension(in))
                transparent = t;
        } else if (block == 0x2c) {
            ImageBlock image = ReadImage(in, globalColors);
            // Decoded before the screen is allocated: a file whose data
            // holds nothing costs nothing.
            std::vector<uint8_t> indices =
                DecodeGifLzw(image.Data, image.MinCodeSize, size_t(image.Width) * size_t(image.Height));
            if (indices.empty())
                ThrowDamaged("GIF image has no pixels");
            // Some writers leave the screen size at 0: the image decides.
            if (bmp.Width == 0 || bmp.Height == 0) {
                bmp.Width = image.Left + image.Width;
                bmp.Height = image.Top + image.Height;
            }
            CheckBitmapSize(bmp.Width, bmp.Height);
            bmp.Pixels.assign(size_t(bmp.Width) * size_t(bmp.Height), 0);
            Paint(bmp, image, indices, transparent);
            break;
        } else {
            ThrowDamaged("GIF file has no image");
        }
    }
    MarkOpacity(bmp);
    return bmp;
}

} // namespace swf
