#pragma once

#include "controls/MediaBitmap.h"
#include "controls/Random.h"

#include <array>
#include <vector>

namespace controls {

// A random cloud texture of 150 x 150 pixels in the colours between two
// colours, made by midpoint displacement over a grid of heights.
class TPlasmaTexture {
public:
    static constexpr int kSize = 150;
    static constexpr int kRampSize = 237;

    // The colour of each height: entry i is i/236 of the way from `from`
    // to `to`, per channel.
    static std::array<TPixel, kRampSize> Ramp(TColor from, TColor to);

    // Heights of the (kSize + 1)² grid, 0 for a point never set.
    static std::vector<int> Heights(TRandom& random);

    // Sizes `texture` to kSize x kSize and paints a new random texture.
    static void Generate(TMediaBitmap& texture, TColor from, TColor to, TRandom& random);
};

} // namespace controls
