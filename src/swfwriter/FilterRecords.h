#pragma once

#include "swfwriter/WriterRecords.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace swfw {

// The fields shadows, glows and bevels share; sizes in stage pixels,
// angles in radians.
struct EdgeFields {
    Rgba Color{0, 0, 0, 255};
    double BlurX = 4, BlurY = 4, Angle = 0, Distance = 0, Strength = 1;
    bool Inner = false, Knockout = false, HideObject = false, OnTop = false;
    int Passes = 1;
};

// One filter record each, id byte first; FilterList joins them.
std::vector<uint8_t> DropShadowRecord(const EdgeFields& f);
std::vector<uint8_t> BlurRecord(double blurX, double blurY, int passes);
std::vector<uint8_t> GlowRecord(const EdgeFields& f);
// `f.Color` is the shadow colour.
std::vector<uint8_t> BevelRecord(const EdgeFields& f, Rgba highlight);
std::vector<uint8_t> GradientGlowRecord(const std::vector<std::pair<uint8_t, Rgba>>& stops,
                                        const EdgeFields& f);
std::vector<uint8_t> GradientBevelRecord(const std::vector<std::pair<uint8_t, Rgba>>& stops,
                                         const EdgeFields& f);
std::vector<uint8_t> ColorMatrixRecord(const std::array<float, 20>& matrix);

struct Convolution {
    int Columns = 3, Rows = 3;
    std::vector<float> Weights;
    float Divisor = 1, Bias = 0;
    Rgba Default{0, 0, 0, 0};
    bool Clamp = true, PreserveAlpha = false;
};
std::vector<uint8_t> ConvolutionRecord(const Convolution& c);

std::vector<uint8_t> FilterList(const std::vector<std::vector<uint8_t>>& records);

} // namespace swfw
