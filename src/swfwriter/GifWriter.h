#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace swfw {

// A GIF to write: one image on a logical screen, so the engine's decoder
// can be tried on offsets, palettes, transparency and interlace.
struct GifImage {
    int ScreenWidth = 0, ScreenHeight = 0;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::vector<uint32_t> GlobalColors, LocalColors; // 0xRRGGBB; sizes are powers of two, 2-256
    std::vector<uint8_t> Indices;                    // Width x Height, rows top-down
    std::optional<uint8_t> Transparent;
    bool Interlaced = false;
    int MinCodeSize = 8;
};

// LZW codes as GIF stores them, a clear code first and whenever the table
// fills, and the end code last; not yet cut into sub-blocks.
std::vector<uint8_t> EncodeGifLzw(const std::vector<uint8_t>& indices, int minCodeSize);

std::vector<uint8_t> EncodeGif(const GifImage& image);

} // namespace swfw
