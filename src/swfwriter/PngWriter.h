#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace swfw {

// A PNG to write, in any colour type, bit depth and interlace, so the
// engine's decoder can be tried on every kind.
struct PngImage {
    int Width = 0, Height = 0;
    uint8_t BitDepth = 8;
    uint8_t ColorType = 6; // 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
    bool Interlaced = false;
    // Row by row, pixel by pixel, channel by channel; each below 2^BitDepth.
    std::vector<uint16_t> Samples;
    std::vector<uint8_t> Palette;      // PLTE body: RGB triples
    std::vector<uint8_t> Transparency; // tRNS body, written as it is
    int Filter = -1;                   // 0-4 for every row; -1 takes turns
    size_t ImageChunkSize = 0;         // split IDAT into chunks this long (0: one)
};

std::vector<uint8_t> EncodePng(const PngImage& image);

} // namespace swfw
