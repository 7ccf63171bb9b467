#pragma once

#include <cstdint>
#include <random>

namespace controls {

// The pseudo-random generator of the drawing kit. One shared instance
// serves the program; tests make their own with a fixed seed.
class TRandom {
public:
    explicit TRandom(uint32_t seed) : engine_(seed) {}

    // An integer in 0 .. range − 1 (range > 0).
    int NextInt(int range) { return std::uniform_int_distribution<int>(0, range - 1)(engine_); }
    // A real in [0, 1).
    double NextReal() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

    static TRandom& Shared();

private:
    std::mt19937 engine_;
};

} // namespace controls
