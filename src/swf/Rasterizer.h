#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

namespace swf {

// A directed line in device pixels. Every fill's edges are oriented so that
// its region lies on one consistent side: a downward edge adds +1 to the
// winding of the points to its right.
struct RasterEdge {
    float X0, Y0, X1, Y1;
    uint32_t Fill;
};

// Without anti-aliasing an edge's ends are held to 1/256 pixel, the
// plug-in's fixed-point precision: a row crossing an edge within a hair of a
// pixel centre then lights the pixel the plug-in lights.
inline RasterEdge OnSampleGrid(RasterEdge e) {
    // Far out a float has no such fractions left, and scaling it up could
    // overflow: it is left as it is.
    auto snap = [](float v) { return std::fabs(v) < 1e6f ? std::round(v * 256.0f) / 256.0f : v; };
    return {snap(e.X0), snap(e.Y0), snap(e.X1), snap(e.Y1), e.Fill};
}

enum class FillRule : uint8_t { NonZero, EvenOdd };

struct IntRect {
    int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
    bool Empty() const { return X1 <= X0 || Y1 <= Y0; }
    int Width() const { return X1 - X0; }
};

struct RasterJob {
    std::span<const RasterEdge> Edges;
    uint32_t FillCount = 0;
    IntRect Clip;
    FillRule Rule = FillRule::NonZero;
    bool Antialias = true;
};

// Receives, row by row, the coverage (0..1) of each fill that has pixels in
// the row, then the end of the row.
class CoverageSink {
public:
    virtual ~CoverageSink() = default;
    virtual void Span(int y, uint32_t fill, int x0, std::span<const float> coverage) = 0;
    virtual void EndRow(int y) = 0;
};

// Turns edges into per-pixel coverage. Rows come in increasing order and
// each fill appears at most once per row.
class Rasterizer {
public:
    virtual ~Rasterizer() = default;
    virtual void Run(const RasterJob& job, CoverageSink& sink) = 0;
};

// Coverage of a pixel whose accumulated winding (area-weighted) is `winding`.
inline float CoverageOf(FillRule rule, float winding) {
    float w = std::fabs(winding);
    if (rule == FillRule::NonZero || w <= 1)
        return std::min(w, 1.0f);
    w = std::fmod(w, 2.0f);
    return w > 1 ? 2 - w : w;
}

} // namespace swf
