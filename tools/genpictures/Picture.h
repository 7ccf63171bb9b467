#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace genpictures {

// A square picture, premultiplied 0xAARRGGBB, rows top-down.
struct Picture {
    int Size = 0;
    std::vector<uint32_t> Pixels;
};

// The pixel that, drawn over black, gives `overBlack` and over white gives
// `overWhite`. Each channel lets through (255 - alpha) of the white, so
// the two differ by exactly that; the colour over black is the
// premultiplied colour.
uint32_t RecoverPixel(uint32_t overBlack, uint32_t overWhite);

// Draws the movie's first frame, its stage fitted to size x size, with
// the transparency recovered from one drawing over black and one over
// white. Throws std::runtime_error when the movie cannot be read.
Picture RenderPicture(std::span<const uint8_t> movie, int size);

} // namespace genpictures
