#include "swf/BitmapDecoder.h"

#include "swf/Error.h"
#include "swf/GifDecoder.h"
#include "swf/Inflate.h"
#include "swf/JpegDecoder.h"
#include "swf/PngDecoder.h"

#include <algorithm>

namespace swf {
namespace {

uint32_t Pack(uint32_t a, uint32_t r, uint32_t g, uint32_t b) { return a << 24 | r << 16 | g << 8 | b; }

// Colour data in the file is premultiplied already; a channel above its
// alpha would overflow when composited, so it is held down.
uint32_t PremultipliedSafe(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return Pack(a, std::min(r, a), std::min(g, a), std::min(b, a));
}

std::vector<uint32_t> ReadPalette(std::span<const uint8_t> data, size_t colours, bool alpha) {
    std::vector<uint32_t> palette(256, 0xff000000u);
    size_t stride = alpha ? 4 : 3;
    for (size_t i = 0; i < colours; ++i) {
        const uint8_t* c = &data[i * stride];
        palette[i] = alpha ? PremultipliedSafe(c[3], c[0], c[1], c[2]) : Pack(255, c[0], c[1], c[2]);
    }
    return palette;
}

void DecodeColormapped(Bitmap& bmp, std::span<const uint8_t> in, size_t colours, bool alpha) {
    size_t paletteBytes = colours * (alpha ? 4 : 3);
    std::vector<uint32_t> palette = ReadPalette(in, colours, alpha);
    size_t stride = (size_t(bmp.Width) + 3) & ~size_t(3);
    for (int y = 0; y < bmp.Height; ++y)
        for (int x = 0; x < bmp.Width; ++x)
            bmp.Pixels[size_t(y) * size_t(bmp.Width) + size_t(x)] =
                palette[in[paletteBytes + size_t(y) * stride + size_t(x)]];
}

void Decode15(Bitmap& bmp, std::span<const uint8_t> in) {
    size_t stride = (size_t(bmp.Width) * 2 + 3) & ~size_t(3);
    for (int y = 0; y < bmp.Height; ++y)
        for (int x = 0; x < bmp.Width; ++x) {
            const uint8_t* p = &in[size_t(y) * stride + size_t(x) * 2];
            uint32_t v = uint32_t(p[0]) << 8 | p[1];
            auto expand = [](uint32_t c) { return (c << 3) | (c >> 2); };
            bmp.Pixels[size_t(y) * size_t(bmp.Width) + size_t(x)] =
                Pack(255, expand(v >> 10 & 31), expand(v >> 5 & 31), expand(v & 31));
        }
}

void Decode32(Bitmap& bmp, std::span<const uint8_t> in, bool alpha) {
    for (size_t i = 0; i < bmp.Pixels.size(); ++i) {
        const uint8_t* p = &in[i * 4];
        bmp.Pixels[i] = alpha ? PremultipliedSafe(p[0], p[1], p[2], p[3]) : Pack(255, p[1], p[2], p[3]);
    }
}

} // namespace

void CheckBitmapSize(int width, int height) {
    if (width <= 0 || height <= 0 || width > MaxBitmapSide || height > MaxBitmapSide ||
        int64_t(width) * height > MaxBitmapPixels)
        ThrowDamaged("bitmap size is out of range");
}

void MarkOpacity(Bitmap& bmp) {
    bmp.Opaque = std::all_of(bmp.Pixels.begin(), bmp.Pixels.end(), [](uint32_t p) { return p >> 24 == 255; });
}

Bitmap DecodeLossless(ByteReader& in, int version) {
    uint8_t format = in.U8();
    Bitmap bmp;
    bmp.Width = in.U16();
    bmp.Height = in.U16();
    CheckBitmapSize(bmp.Width, bmp.Height);
    bool alpha = version == 2;
    size_t pixels = size_t(bmp.Width) * size_t(bmp.Height);
    bmp.Pixels.assign(pixels, 0xff000000u);
    if (format == 3) {
        size_t colours = size_t(in.U8()) + 1;
        size_t size = colours * (alpha ? 4 : 3) + ((size_t(bmp.Width) + 3) & ~size_t(3)) * size_t(bmp.Height);
        DecodeColormapped(bmp, InflateExactly(in.Bytes(in.Remaining()), size), colours, alpha);
    } else if (format == 4 && !alpha) {
        size_t size = ((size_t(bmp.Width) * 2 + 3) & ~size_t(3)) * size_t(bmp.Height);
        Decode15(bmp, InflateExactly(in.Bytes(in.Remaining()), size));
    } else if (format == 5) {
        Decode32(bmp, InflateExactly(in.Bytes(in.Remaining()), pixels * 4), alpha);
    } else {
        ThrowDamaged("unknown bitmap format");
    }
    MarkOpacity(bmp);
    return bmp;
}

namespace {

bool StartsWith(std::span<const uint8_t> data, std::initializer_list<uint8_t> magic) {
    return data.size() >= magic.size() && std::equal(magic.begin(), magic.end(), data.begin());
}

void ApplyAlpha(Bitmap& bmp, std::span<const uint8_t> alpha) {
    for (size_t i = 0; i < bmp.Pixels.size(); ++i) {
        uint32_t a = alpha[i], p = bmp.Pixels[i];
        auto mul = [a](uint32_t c) { return (c * a + 127) / 255; };
        bmp.Pixels[i] = Pack(a, mul(p >> 16 & 0xff), mul(p >> 8 & 0xff), mul(p & 0xff));
    }
    bmp.Opaque = std::all_of(alpha.begin(), alpha.end(), [](uint8_t a) { return a == 255; });
}

} // namespace

Bitmap DecodeJpegTag(uint16_t code, ByteReader& in, std::span<const uint8_t> tables) {
    std::span<const uint8_t> image;
    std::span<const uint8_t> alpha;
    if (code == 35 || code == 90) {
        uint32_t alphaOffset = in.U32();
        if (code == 90)
            in.U16(); // deblocking strength
        image = in.Bytes(alphaOffset);
        alpha = in.Bytes(in.Remaining());
    } else {
        image = in.Bytes(in.Remaining());
    }
    if (StartsWith(image, {0x89, 'P', 'N', 'G'}))
        return DecodePng(image);
    if (StartsWith(image, {'G', 'I', 'F', '8'}))
        return DecodeGif(image);
    Bitmap bmp = DecodeJpeg(code == 6 ? tables : std::span<const uint8_t>{}, image);
    if (!alpha.empty())
        ApplyAlpha(bmp, InflateExactly(alpha, bmp.Pixels.size()));
    return bmp;
}

} // namespace swf
