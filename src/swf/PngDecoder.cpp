#include "swf/PngDecoder.h"

#include "swf/BitmapDecoder.h"
#include "swf/Error.h"
#include "swf/Inflate.h"
#include "swf/PngChunks.h"
#include "swf/PngUnfilter.h"

#include <algorithm>

namespace swf {
namespace {

size_t RowBytes(const PngHeader& h, int width) { return (size_t(width) * size_t(h.BitsPerPixel()) + 7) / 8; }

size_t PassBytes(const PngHeader& h, const PngPass& pass) {
    int w = pass.Width(h.Width), rows = pass.Height(h.Height);
    return w == 0 || rows == 0 ? 0 : size_t(rows) * (RowBytes(h, w) + 1);
}

std::span<const PngPass> PassesOf(const PngHeader& h) {
    return h.Interlaced ? std::span<const PngPass>(Adam7Passes)
                        : std::span<const PngPass>(&WholeImagePass, 1);
}

// Turns the samples of one unfiltered row into premultiplied pixels.
class PixelReader {
public:
    explicit PixelReader(const PngChunks& png) : png_(png), h_(png.Header) {}

    uint32_t Pixel(const uint8_t* row, int x) const {
        size_t first = size_t(x) * size_t(h_.Channels());
        auto s = [&](size_t i) { return Sample(row, first + i); };
        switch (h_.Color) {
        case PngColor::Grey:
            return Premultiply(Keyed({s(0), 0, 0}) ? 0 : 255, To8(s(0)), To8(s(0)), To8(s(0)));
        case PngColor::Rgb:
            return Premultiply(Keyed({s(0), s(1), s(2)}) ? 0 : 255, To8(s(0)), To8(s(1)), To8(s(2)));
        case PngColor::Palette:
            return PaletteEntry(s(0));
        case PngColor::GreyAlpha:
            return Premultiply(To8(s(1)), To8(s(0)), To8(s(0)), To8(s(0)));
        case PngColor::Rgba:
            return Premultiply(To8(s(3)), To8(s(0)), To8(s(1)), To8(s(2)));
        }
        return 0;
    }

private:
    uint32_t Sample(const uint8_t* row, size_t index) const {
        int depth = h_.BitDepth;
        if (depth == 8)
            return row[index];
        if (depth == 16)
            return uint32_t(row[index * 2]) << 8 | row[index * 2 + 1];
        size_t bit = index * size_t(depth);
        int shift = 8 - depth - int(bit % 8);
        return uint32_t(row[bit / 8] >> shift) & ((1u << depth) - 1);
    }

    uint32_t To8(uint32_t v) const {
        uint32_t max = (1u << h_.BitDepth) - 1;
        return (v * 255 + max / 2) / max;
    }

    bool Keyed(std::array<uint32_t, 3> samples) const {
        if (!png_.TransparentKey)
            return false;
        const auto& key = *png_.TransparentKey;
        int channels = h_.Channels();
        for (int i = 0; i < channels; ++i)
            if (samples[size_t(i)] != key[size_t(i)])
                return false;
        return true;
    }

    // An index past the palette shows black rather than failing the image.
    uint32_t PaletteEntry(uint32_t index) const {
        uint32_t c = index < png_.Palette.size() ? png_.Palette[index] : 0xff000000u;
        return Premultiply(c >> 24, c >> 16 & 0xff, c >> 8 & 0xff, c & 0xff);
    }

    // Channels are truncated, not rounded: a half-transparent pixel over
    // white comes out a level darker than rounding gives, as in the plug-in.
    static uint32_t Premultiply(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
        auto mul = [a](uint32_t c) { return c * a / 255; };
        return a << 24 | mul(r) << 16 | mul(g) << 8 | mul(b);
    }

    const PngChunks& png_;
    const PngHeader& h_;
};

void DecodePass(Bitmap& bmp, const PngChunks& png, const PngPass& pass, std::span<uint8_t> data) {
    const PngHeader& h = png.Header;
    int w = pass.Width(h.Width), rows = pass.Height(h.Height);
    size_t rowBytes = RowBytes(h, w);
    UnfilterRows(data, rowBytes, std::max(1, h.BitsPerPixel() / 8));
    PixelReader reader(png);
    for (int y = 0; y < rows; ++y) {
        const uint8_t* row = &data[size_t(y) * (rowBytes + 1) + 1];
        size_t outRow = size_t(pass.Y0 + y * pass.Dy) * size_t(bmp.Width);
        for (int x = 0; x < w; ++x)
            bmp.Pixels[outRow + size_t(pass.X0 + x * pass.Dx)] = reader.Pixel(row, x);
    }
}

} // namespace

Bitmap DecodePng(std::span<const uint8_t> file) {
    PngChunks png = ReadPngChunks(file);
    const PngHeader& h = png.Header;
    size_t total = 0;
    for (const PngPass& pass : PassesOf(h))
        total += PassBytes(h, pass);
    std::vector<uint8_t> raw = InflateAtMost(png.ImageData, total);
    if (raw.size() < total)
        ThrowDamaged("PNG image data ends early");
    Bitmap bmp;
    bmp.Width = h.Width;
    bmp.Height = h.Height;
    bmp.Pixels.assign(size_t(h.Width) * size_t(h.Height), 0);
    size_t at = 0;
    for (const PngPass& pass : PassesOf(h)) {
        size_t bytes = PassBytes(h, pass);
        DecodePass(bmp, png, pass, std::span<uint8_t>(raw).subspan(at, bytes));
        at += bytes;
    }
    MarkOpacity(bmp);
    return bmp;
}

} // namespace swf
