#include "swf/filters/FilterParser.h"

#include "swf/Error.h"
#include "swf/Records.h"

#include <algorithm>
#include <bit>

namespace swf {
namespace {

constexpr int MaxPasses = 15;
constexpr int MaxConvolutionSide = 15;

double Fixed(ByteReader& in) { return double(int32_t(in.U32())) / 65536; }
double Fixed8(ByteReader& in) { return double(int16_t(in.U16())) / 256; }
float Float(ByteReader& in) { return std::bit_cast<float>(in.U32()); }
double Blur(ByteReader& in) { return std::clamp(Fixed(in), 0.0, 255.0); }
double Strength(ByteReader& in) { return std::clamp(Fixed8(in), 0.0, 255.0); }
double Distance(ByteReader& in) { return std::clamp(Fixed(in), -1000.0, 1000.0); }

// Blur, [angle and distance,] strength and the flag byte: inner, knockout,
// composite source, [on top,] passes.
void ReadEdgeFields(ByteReader& in, EdgeFilterFields& f, bool angled, bool hasOnTop) {
    f.BlurX = Blur(in);
    f.BlurY = Blur(in);
    f.Angle = angled ? Fixed(in) : 0;
    f.Distance = angled ? Distance(in) : 0;
    f.Strength = Strength(in);
    uint8_t b = in.U8();
    f.Inner = b & 0x80;
    f.Knockout = b & 0x40;
    f.HideObject = !(b & 0x20);
    f.OnTop = hasOnTop && (b & 0x10);
    f.Passes = std::min(hasOnTop ? b & 0x0f : b & 0x1f, MaxPasses);
}

DropShadowFilter ReadDropShadow(ByteReader& in) {
    DropShadowFilter f;
    f.Color = ReadRgba(in);
    ReadEdgeFields(in, f, true, false);
    return f;
}

BlurFilter ReadBlur(ByteReader& in) {
    BlurFilter f;
    f.BlurX = Blur(in);
    f.BlurY = Blur(in);
    f.Passes = std::min(in.U8() >> 3, MaxPasses);
    return f;
}

GlowFilter ReadGlow(ByteReader& in) {
    GlowFilter f;
    f.Color = ReadRgba(in);
    ReadEdgeFields(in, f, false, false);
    return f;
}

BevelFilter ReadBevel(ByteReader& in) {
    BevelFilter f;
    // The highlight comes first, as the plug-in reads the record.
    f.Highlight = ReadRgba(in);
    f.Shadow = ReadRgba(in);
    ReadEdgeFields(in, f, true, true);
    return f;
}

GradientFilterFields ReadGradientFields(ByteReader& in) {
    GradientFilterFields f;
    size_t count = in.U8();
    f.Stops.resize(count);
    for (GradientStop& stop : f.Stops)
        stop.Color = ReadRgba(in);
    for (GradientStop& stop : f.Stops)
        stop.Ratio = in.U8();
    ReadEdgeFields(in, f, true, true);
    return f;
}

ConvolutionFilter ReadConvolution(ByteReader& in) {
    ConvolutionFilter f;
    f.Columns = in.U8();
    f.Rows = in.U8();
    f.Divisor = Float(in);
    f.Bias = Float(in);
    f.Weights.resize(size_t(f.Columns) * size_t(f.Rows));
    for (float& w : f.Weights)
        w = Float(in);
    f.Default = ReadRgba(in);
    uint8_t flags = in.U8();
    f.Clamp = flags & 0x02;
    f.PreserveAlpha = flags & 0x01;
    if (f.Columns > MaxConvolutionSide || f.Rows > MaxConvolutionSide)
        f.Weights.clear(); // drawn as if absent
    return f;
}

ColorMatrixFilter ReadColorMatrix(ByteReader& in) {
    ColorMatrixFilter f;
    for (float& v : f.Matrix)
        v = Float(in);
    return f;
}

Filter ReadFilter(ByteReader& in) {
    switch (in.U8()) {
    case 0:
        return ReadDropShadow(in);
    case 1:
        return ReadBlur(in);
    case 2:
        return ReadGlow(in);
    case 3:
        return ReadBevel(in);
    case 4:
        return GradientGlowFilter{ReadGradientFields(in)};
    case 5:
        return ReadConvolution(in);
    case 6:
        return ReadColorMatrix(in);
    case 7:
        return GradientBevelFilter{ReadGradientFields(in)};
    default:
        ThrowDamaged("unknown filter");
    }
}

} // namespace

FilterList ParseFilterList(ByteReader& in) {
    FilterList list;
    unsigned count = in.U8();
    for (unsigned i = 0; i < count; ++i)
        list.push_back(ReadFilter(in));
    return list;
}

} // namespace swf
