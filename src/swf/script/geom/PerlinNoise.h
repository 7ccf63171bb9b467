#pragma once

#include "swf/script/geom/SeededRandom.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace swf::script::geom {

// Classic gradient noise over a lattice of random unit gradients: 0 on
// every lattice point, about -0.7..0.7 between them.
class GradientNoise {
public:
    explicit GradientNoise(SeededRandom& random);
    // The noise at (x, y) in lattice units; a period above 0 wraps the
    // lattice along that axis, so the noise repeats after it.
    double At(double x, double y, int64_t periodX, int64_t periodY) const;

private:
    double Corner(int64_t i, int64_t j, double dx, double dy) const;

    std::array<uint8_t, 256> permutation_;
    std::array<std::pair<double, double>, 256> gradients_;
};

// What BitmapData.perlinNoise asks for. Sizes are pixels.
struct PerlinOptions {
    double BaseX = 0, BaseY = 0; // pixels per lattice cell of the first octave
    int Octaves = 1;
    int32_t Seed = 0;
    bool Stitch = false;                            // the noise repeats after the bitmap's size
    bool Fractal = true;                            // sum of signed noise; else of its size (turbulence)
    uint32_t Channels = 7;                          // red 1, green 2, blue 4, alpha 8
    bool Gray = false;                              // one value for red, green and blue
    std::vector<std::pair<double, double>> Offsets; // per octave, in pixels
};

// The straight 0xAARRGGBB colours of a width x height bitmap, rows
// top-down: each chosen channel is the noise of its own lattice summed
// over the octaves (each twice the frequency and half the amplitude of
// the one before); channels not chosen are 0, alpha 255.
std::vector<uint32_t> PerlinNoise(int width, int height, const PerlinOptions& options);

} // namespace swf::script::geom
