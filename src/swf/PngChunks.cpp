#include "swf/PngChunks.h"

#include "swf/BitmapDecoder.h"
#include "swf/ByteReader.h"
#include "swf/Error.h"

#include <algorithm>
#include <string_view>

namespace swf {
namespace {

constexpr std::array<uint8_t, 8> Signature{0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};

uint32_t BigEndian32(std::span<const uint8_t> b) {
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
}

uint16_t BigEndian16(std::span<const uint8_t> b) { return uint16_t(b[0] << 8 | b[1]); }

bool ValidDepth(PngColor color, int depth) {
    switch (color) {
    case PngColor::Grey:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case PngColor::Palette:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case PngColor::Rgb:
    case PngColor::GreyAlpha:
    case PngColor::Rgba:
        return depth == 8 || depth == 16;
    }
    return false;
}

PngHeader ReadHeader(std::span<const uint8_t> d) {
    if (d.size() != 13)
        ThrowDamaged("PNG header has the wrong length");
    uint32_t width = BigEndian32(d.subspan(0, 4)), height = BigEndian32(d.subspan(4, 4));
    if (width > uint32_t(MaxBitmapSide) || height > uint32_t(MaxBitmapSide))
        ThrowDamaged("bitmap size is out of range");
    PngHeader h;
    h.Width = int(width);
    h.Height = int(height);
    CheckBitmapSize(h.Width, h.Height);
    h.BitDepth = d[8];
    h.Color = PngColor(d[9]);
    if (d[9] > 6 || !ValidDepth(h.Color, h.BitDepth))
        ThrowDamaged("PNG colour type and bit depth do not go together");
    if (d[10] != 0 || d[11] != 0 || d[12] > 1)
        ThrowDamaged("PNG image uses an unknown compression, filter or interlace method");
    h.Interlaced = d[12] == 1;
    return h;
}

std::vector<uint32_t> ReadPalette(std::span<const uint8_t> d) {
    if (d.empty() || d.size() % 3 != 0 || d.size() / 3 > 256)
        ThrowDamaged("PNG palette has the wrong length");
    std::vector<uint32_t> palette;
    for (size_t i = 0; i < d.size(); i += 3)
        palette.push_back(0xff000000u | uint32_t(d[i]) << 16 | uint32_t(d[i + 1]) << 8 | d[i + 2]);
    return palette;
}

// tRNS of the wrong length for its image is ignored, as viewers do: the
// image stays opaque rather than unreadable.
void ReadTransparency(PngChunks& png, std::span<const uint8_t> d) {
    switch (png.Header.Color) {
    case PngColor::Palette:
        for (size_t i = 0; i < std::min(d.size(), png.Palette.size()); ++i)
            png.Palette[i] = (png.Palette[i] & 0xffffffu) | uint32_t(d[i]) << 24;
        break;
    case PngColor::Grey:
        if (d.size() == 2)
            png.TransparentKey = std::array<uint16_t, 3>{BigEndian16(d), 0, 0};
        break;
    case PngColor::Rgb:
        if (d.size() == 6)
            png.TransparentKey =
                std::array<uint16_t, 3>{BigEndian16(d), BigEndian16(d.subspan(2)), BigEndian16(d.subspan(4))};
        break;
    default:
        break;
    }
}

// Returns false at IEND.
bool ReadChunk(PngChunks& png, bool& haveHeader, std::string_view type, std::span<const uint8_t> body) {
    if (!haveHeader && type != "IHDR")
        ThrowDamaged("PNG image does not start with its header");
    if (type == "IHDR") {
        if (haveHeader)
            ThrowDamaged("PNG image has two headers");
        png.Header = ReadHeader(body);
        haveHeader = true;
    } else if (type == "PLTE") {
        png.Palette = ReadPalette(body);
    } else if (type == "tRNS") {
        ReadTransparency(png, body);
    } else if (type == "IDAT") {
        png.ImageData.insert(png.ImageData.end(), body.begin(), body.end());
    } else if (type == "IEND") {
        return false;
    } else if ((type[0] & 0x20) == 0) {
        ThrowDamaged("PNG image has a chunk this player does not know and may not skip");
    }
    return true;
}

} // namespace

int PngHeader::Channels() const {
    switch (Color) {
    case PngColor::Rgb:
        return 3;
    case PngColor::GreyAlpha:
        return 2;
    case PngColor::Rgba:
        return 4;
    default:
        return 1;
    }
}

PngChunks ReadPngChunks(std::span<const uint8_t> file) {
    if (file.size() < Signature.size() || !std::equal(Signature.begin(), Signature.end(), file.begin()))
        ThrowDamaged("not a PNG image");
    ByteReader in(file.subspan(Signature.size()));
    PngChunks png;
    bool haveHeader = false;
    for (bool more = true; more && !in.AtEnd();) {
        if (in.Remaining() < 12)
            ThrowDamaged("PNG chunk is cut short");
        uint32_t length = BigEndian32(in.Bytes(4));
        auto type = in.Bytes(4);
        if (length > in.Remaining() - 4)
            ThrowDamaged("PNG chunk runs past the end of the image");
        auto body = in.Bytes(length);
        in.Skip(4); // CRC
        more = ReadChunk(png, haveHeader, {reinterpret_cast<const char*>(type.data()), 4}, body);
    }
    if (!haveHeader)
        ThrowDamaged("PNG image has no header");
    if (png.Header.Color == PngColor::Palette && png.Palette.empty())
        ThrowDamaged("PNG palette image has no palette");
    if (png.ImageData.empty())
        ThrowDamaged("PNG image has no image data");
    return png;
}

} // namespace swf
