#include "swfwriter/FilterRecords.h"

#include <bit>
#include <cmath>

namespace swfw {
namespace {

void Fixed(BitWriter& out, double v) { out.U32(uint32_t(int32_t(std::lround(v * 65536)))); }
void Fixed8(BitWriter& out, double v) { out.U16(uint16_t(int16_t(std::lround(v * 256)))); }
void Float(BitWriter& out, float v) { out.U32(std::bit_cast<uint32_t>(v)); }

// Inner, knockout, composite source, [on top,] passes in one byte.
void Flags(BitWriter& out, const EdgeFields& f, bool hasOnTop) {
    uint8_t b = uint8_t((f.Inner ? 0x80 : 0) | (f.Knockout ? 0x40 : 0) | (f.HideObject ? 0 : 0x20));
    if (hasOnTop)
        b |= uint8_t((f.OnTop ? 0x10 : 0) | (f.Passes & 0x0f));
    else
        b |= uint8_t(f.Passes & 0x1f);
    out.U8(b);
}

void Blur(BitWriter& out, const EdgeFields& f) {
    Fixed(out, f.BlurX);
    Fixed(out, f.BlurY);
}

void AngleDistanceStrength(BitWriter& out, const EdgeFields& f) {
    Fixed(out, f.Angle);
    Fixed(out, f.Distance);
    Fixed8(out, f.Strength);
}

std::vector<uint8_t> GradientRecord(uint8_t id, const std::vector<std::pair<uint8_t, Rgba>>& stops,
                                    const EdgeFields& f) {
    BitWriter out;
    out.U8(id);
    out.U8(uint8_t(stops.size()));
    for (const auto& stop : stops)
        WriteColor(out, stop.second, true);
    for (const auto& stop : stops)
        out.U8(stop.first);
    Blur(out, f);
    AngleDistanceStrength(out, f);
    Flags(out, f, true);
    return out.Data();
}

} // namespace

std::vector<uint8_t> DropShadowRecord(const EdgeFields& f) {
    BitWriter out;
    out.U8(0);
    WriteColor(out, f.Color, true);
    Blur(out, f);
    AngleDistanceStrength(out, f);
    Flags(out, f, false);
    return out.Data();
}

std::vector<uint8_t> BlurRecord(double blurX, double blurY, int passes) {
    BitWriter out;
    out.U8(1);
    Fixed(out, blurX);
    Fixed(out, blurY);
    out.U8(uint8_t(passes << 3));
    return out.Data();
}

std::vector<uint8_t> GlowRecord(const EdgeFields& f) {
    BitWriter out;
    out.U8(2);
    WriteColor(out, f.Color, true);
    Blur(out, f);
    Fixed8(out, f.Strength);
    Flags(out, f, false);
    return out.Data();
}

std::vector<uint8_t> BevelRecord(const EdgeFields& f, Rgba highlight) {
    BitWriter out;
    out.U8(3);
    WriteColor(out, highlight, true);
    WriteColor(out, f.Color, true);
    Blur(out, f);
    AngleDistanceStrength(out, f);
    Flags(out, f, true);
    return out.Data();
}

std::vector<uint8_t> GradientGlowRecord(const std::vector<std::pair<uint8_t, Rgba>>& stops,
                                        const EdgeFields& f) {
    return GradientRecord(4, stops, f);
}

std::vector<uint8_t> GradientBevelRecord(const std::vector<std::pair<uint8_t, Rgba>>& stops,
                                         const EdgeFields& f) {
    return GradientRecord(7, stops, f);
}

std::vector<uint8_t> ColorMatrixRecord(const std::array<float, 20>& matrix) {
    BitWriter out;
    out.U8(6);
    for (float v : matrix)
        Float(out, v);
    return out.Data();
}

std::vector<uint8_t> ConvolutionRecord(const Convolution& c) {
    BitWriter out;
    out.U8(5);
    out.U8(uint8_t(c.Columns));
    out.U8(uint8_t(c.Rows));
    Float(out, c.Divisor);
    Float(out, c.Bias);
    for (float w : c.Weights)
        Float(out, w);
    WriteColor(out, c.Default, true);
    out.U8(uint8_t((c.Clamp ? 0x02 : 0) | (c.PreserveAlpha ? 0x01 : 0)));
    return out.Data();
}

std::vector<uint8_t> FilterList(const std::vector<std::vector<uint8_t>>& records) {
    BitWriter out;
    out.U8(uint8_t(records.size()));
    for (const auto& r : records)
        out.Bytes(r);
    return out.Data();
}

} // namespace swfw
