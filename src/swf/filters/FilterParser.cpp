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

// The flag byte that ends most records: inner, knockout, composite source,
// [on top,] passes.
struct Flags {
    bool Inner, Knockout, HideObject, OnTop;
    int Passes;
};

Flags ReadFlags(ByteReader& in, bool hasOnTop) {
    uint8_t b = in.U8();
    int passes = hasOnTop ? b & 0x0f : b & 0x1f;
    return {(b & 0x80) != 0, (b & 0x40) != 0, (b & 0x20) == 0, hasOnTop && (b & 0x10) != 0,
            std::min(passes, MaxPasses)};
}

DropShadowFilter ReadDropShadow(ByteReader& in) {
    DropShadowFilter f;
    f.Color = ReadRgba(in);
    f.BlurX = Blur(in);
    f.BlurY = Blur(in);
    f.Angle = Fixed(in);
    f.Distance = Distance(in);
    f.Strength = Strength(in);
    Flags flags = ReadFlags(in, false);
    f.Inner = flags.Inner;
    f.Knockout = flags.Knockout;
    f.HideObject = flags.HideObject;
    f.Passes = flags.Passes;
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
    f.BlurX = Blur(in);
    f.BlurY = Blur(in);
    f.Strength = Strength(in);
    Flags flags = ReadFlags(in, false);
    f.Inner = flags.Inner;
    f.Knockout = flags.Knockout;
    f.HideObject = flags.HideObject;
    f.Passes = flags.Passes;
    return f;
}

BevelFilter ReadBevel(ByteReader& in) {
    BevelFilter f;
    // The highlight comes first, as the plug-in reads the record.
    f.Highlight = ReadRgba(in);
    f.Shadow = ReadRgba(in);
    f.BlurX = Blur(in);
    f.BlurY = Blur(in);
    f.Angle = Fixed(in);
    f.Distance = Distance(in);
    f.Strength = Strength(in);
    Flags flags = ReadFlags(in, true);
    f.Inner = flags.Inner;
    f.Knockout = flags.Knockout;
    f.HideObject = flags.HideObject;
    f.OnTop = flags.OnTop;
    f.Passes = flags.Passes;
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
    f.BlurX = Blur(in);
    f.BlurY = Blur(in);
    f.Angle = Fixed(in);
    f.Distance = Distance(in);
    f.Strength = Strength(in);
    Flags flags = ReadFlags(in, true);
    f.Inner = flags.Inner;
    f.Knockout = flags.Knockout;
    f.HideObject = flags.HideObject;
    f.OnTop = flags.OnTop;
    f.Passes = flags.Passes;
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
