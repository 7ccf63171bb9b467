#include "swfwriter/PngWriter.h"

#include "swf/PngChunks.h"
#include "swfwriter/WriterRecords.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string>

namespace swfw {
namespace {

int Channels(uint8_t colorType) { return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1; }

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(v >> shift));
}

void Chunk(std::vector<uint8_t>& out, const std::string& type, std::span<const uint8_t> body) {
    Put32(out, uint32_t(body.size()));
    size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32(out, uint32_t(crc32(0, &out[start], uInt(out.size() - start))));
}

// Packs the samples of one row of a pass at the image's bit depth.
std::vector<uint8_t> PackRow(const PngImage& img, const swf::PngPass& pass, int row, int width) {
    int channels = Channels(img.ColorType), depth = img.BitDepth;
    std::vector<uint8_t> out((size_t(width) * size_t(channels * depth) + 7) / 8, 0);
    size_t bit = 0;
    int y = pass.Y0 + row * pass.Dy;
    for (int x = 0; x < width; ++x)
        for (int c = 0; c < channels; ++c) {
            int sourceX = pass.X0 + x * pass.Dx;
            uint16_t v =
                img.Samples[(size_t(y) * size_t(img.Width) + size_t(sourceX)) * size_t(channels) + size_t(c)];
            if (depth == 16) {
                out[bit / 8] = uint8_t(v >> 8);
                out[bit / 8 + 1] = uint8_t(v);
            } else {
                out[bit / 8] |= uint8_t(v << (8 - depth - int(bit % 8)));
            }
            bit += size_t(depth);
        }
    return out;
}

int Predict(int type, int a, int b, int c) {
    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    int paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
    int predictions[] = {0, a, b, (a + b) / 2, paeth};
    return predictions[type];
}

void AppendFiltered(std::vector<uint8_t>& out, int type, const std::vector<uint8_t>& row,
                    const std::vector<uint8_t>& prior, size_t bpp) {
    out.push_back(uint8_t(type));
    for (size_t i = 0; i < row.size(); ++i) {
        int a = i >= bpp ? row[i - bpp] : 0, c = i >= bpp ? prior[i - bpp] : 0;
        out.push_back(uint8_t(row[i] - Predict(type, a, prior[i], c)));
    }
}

std::vector<uint8_t> FilteredData(const PngImage& img) {
    std::vector<uint8_t> out;
    size_t bpp = size_t(std::max(1, Channels(img.ColorType) * img.BitDepth / 8));
    std::span<const swf::PngPass> passes = img.Interlaced
                                               ? std::span<const swf::PngPass>(swf::Adam7Passes)
                                               : std::span<const swf::PngPass>(&swf::WholeImagePass, 1);
    int turn = 0;
    for (const swf::PngPass& pass : passes) {
        int width = pass.Width(img.Width), height = pass.Height(img.Height);
        if (width == 0 || height == 0)
            continue;
        std::vector<uint8_t> prior(PackRow(img, pass, 0, width).size(), 0);
        for (int y = 0; y < height; ++y) {
            std::vector<uint8_t> row = PackRow(img, pass, y, width);
            AppendFiltered(out, img.Filter >= 0 ? img.Filter : turn++ % 5, row, prior, bpp);
            prior = row;
        }
    }
    return out;
}

} // namespace

std::vector<uint8_t> EncodePng(const PngImage& img) {
    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
    std::vector<uint8_t> header;
    Put32(header, uint32_t(img.Width));
    Put32(header, uint32_t(img.Height));
    header.insert(header.end(), {img.BitDepth, img.ColorType, 0, 0, uint8_t(img.Interlaced ? 1 : 0)});
    Chunk(out, "IHDR", header);
    if (!img.Palette.empty())
        Chunk(out, "PLTE", img.Palette);
    if (!img.Transparency.empty())
        Chunk(out, "tRNS", img.Transparency);
    std::vector<uint8_t> data = Deflate(FilteredData(img));
    size_t piece = img.ImageChunkSize ? img.ImageChunkSize : data.size();
    for (size_t at = 0; at < data.size(); at += piece)
        Chunk(out, "IDAT", std::span<const uint8_t>(data).subspan(at, std::min(piece, data.size() - at)));
    Chunk(out, "IEND", {});
    return out;
}

} // namespace swfw
