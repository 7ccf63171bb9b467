#include "swf/script/geom/PerlinNoise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace swf::script::geom {
namespace {

// Octaves after this one change a channel by less than a 500th of a level,
// and each costs a pass over the bitmap.
constexpr int MaxOctaves = 16;

// Coordinates are held where a lattice index stays exact.
constexpr double FarLimit = 1e12;

double Fade(double t) { return t * t * (3 - 2 * t); }

int64_t Wrap(int64_t i, int64_t period) { return period > 0 ? ((i % period) + period) % period : i; }

// A base frequency moved to the nearer whole number of cells across the
// bitmap, so that a stitched noise meets itself at the edges.
double StitchedFrequency(double frequency, int size) {
    double cells = frequency * size;
    double low = std::floor(cells), high = std::ceil(cells);
    if (low <= 0)
        return high / size;
    return (cells / low < high / cells ? low : high) / size;
}

struct Axis {
    double Frequency = 0;
    int64_t Period = 0;
};

Axis AxisOf(double base, int size, bool stitch) {
    if (!(base > 0) || !std::isfinite(base))
        return {};
    double frequency = 1 / base;
    if (!stitch)
        return {frequency, 0};
    frequency = StitchedFrequency(frequency, size);
    return {frequency, std::llround(frequency * size)};
}

double Lattice(double pixel, double offset, double frequency) {
    return std::clamp((pixel + offset) * frequency, -FarLimit, FarLimit);
}

uint32_t Level(double sum, bool fractal) {
    double v = fractal ? (sum + 1) / 2 * 255 : sum * 255;
    return uint32_t(std::lround(std::clamp(v, 0.0, 255.0)));
}

} // namespace

GradientNoise::GradientNoise(SeededRandom& random) {
    for (size_t i = 0; i < 256; ++i) {
        permutation_[i] = uint8_t(i);
        double angle = random.Unit() * 2 * std::numbers::pi;
        gradients_[i] = {std::cos(angle), std::sin(angle)};
    }
    for (size_t i = 255; i > 0; --i)
        std::swap(permutation_[i], permutation_[random.Next() % (i + 1)]);
}

double GradientNoise::Corner(int64_t i, int64_t j, double dx, double dy) const {
    const auto& g = gradients_[permutation_[(permutation_[size_t(i & 255)] + size_t(j & 255)) & 255]];
    return g.first * dx + g.second * dy;
}

double GradientNoise::At(double x, double y, int64_t periodX, int64_t periodY) const {
    double fx = std::floor(x), fy = std::floor(y);
    auto i = int64_t(fx), j = int64_t(fy);
    double dx = x - fx, dy = y - fy;
    int64_t i0 = Wrap(i, periodX), i1 = Wrap(i + 1, periodX);
    int64_t j0 = Wrap(j, periodY), j1 = Wrap(j + 1, periodY);
    double sx = Fade(dx), sy = Fade(dy);
    double top = std::lerp(Corner(i0, j0, dx, dy), Corner(i1, j0, dx - 1, dy), sx);
    double bottom = std::lerp(Corner(i0, j1, dx, dy - 1), Corner(i1, j1, dx - 1, dy - 1), sx);
    return std::lerp(top, bottom, sy);
}

namespace {

// One octave: where its lattice lies under the bitmap.
struct Octave {
    double FrequencyX, FrequencyY, OffsetX, OffsetY, Amplitude;
    int64_t PeriodX, PeriodY;
};

std::vector<Octave> OctavesOf(int width, int height, const PerlinOptions& o) {
    Axis ax = AxisOf(o.BaseX, width, o.Stitch), ay = AxisOf(o.BaseY, height, o.Stitch);
    std::vector<Octave> octaves;
    double amplitude = 1;
    for (int k = 0; k < std::clamp(o.Octaves, 0, MaxOctaves); ++k, amplitude /= 2) {
        auto [dx, dy] = size_t(k) < o.Offsets.size() ? o.Offsets[size_t(k)] : std::pair{0.0, 0.0};
        int64_t scale = int64_t(1) << k;
        octaves.push_back({ax.Frequency * double(scale), ay.Frequency * double(scale), dx, dy, amplitude,
                           ax.Period * scale, ay.Period * scale});
    }
    return octaves;
}

double Sum(const GradientNoise& lattice, const std::vector<Octave>& octaves, int x, int y, bool fractal) {
    double sum = 0;
    for (const Octave& k : octaves) {
        double n = lattice.At(Lattice(x, k.OffsetX, k.FrequencyX), Lattice(y, k.OffsetY, k.FrequencyY),
                              k.PeriodX, k.PeriodY);
        sum += (fractal ? n : std::abs(n)) * k.Amplitude;
    }
    return sum;
}

} // namespace

std::vector<uint32_t> PerlinNoise(int width, int height, const PerlinOptions& o) {
    SeededRandom random(o.Seed);
    // Red, green, blue and alpha each have a lattice of their own.
    std::vector<GradientNoise> lattices;
    for (int c = 0; c < 4; ++c)
        lattices.emplace_back(random);
    std::vector<Octave> octaves = OctavesOf(width, height, o);
    auto level = [&](int c, int x, int y) {
        return Level(Sum(lattices[size_t(c)], octaves, x, y, o.Fractal), o.Fractal);
    };
    std::vector<uint32_t> colors(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t argb = (o.Channels & 8 ? level(3, x, y) : 255) << 24;
            if (o.Gray) {
                uint32_t v = level(0, x, y);
                argb |= v << 16 | v << 8 | v;
            } else {
                for (int c = 0; c < 3; ++c)
                    if (o.Channels & (1u << c))
                        argb |= level(c, x, y) << (16 - 8 * c);
            }
            colors[size_t(y) * size_t(width) + size_t(x)] = argb;
        }
    return colors;
}

} // namespace swf::script::geom
