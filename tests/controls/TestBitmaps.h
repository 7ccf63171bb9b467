#pragma once

#include "controls/MediaBitmap.h"

#include <random>

namespace controls::test {

// A bitmap of the given size with random pixels (alpha included).
inline void FillRandom(TMediaBitmap& bitmap, std::mt19937& random) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (TPixel& pixel : bitmap.Row(y))
            pixel = static_cast<TPixel>(random());
}

inline bool SamePixels(const TMediaBitmap& a, const TMediaBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

// (R, G, B) of a pixel, for comparing with colours written as triples.
struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

inline Rgb RgbOf(TPixel pixel) { return {Channel(pixel, 16), Channel(pixel, 8), Channel(pixel, 0)}; }

} // namespace controls::test
