#include "swfwriter/WriterRecords.h"

#include <cmath>

namespace swfw {
namespace {

int32_t Fixed(double v) { return static_cast<int32_t>(std::lround(v * 65536.0)); }

} // namespace

void WriteMatrix(BitWriter& out, const Transform& m) {
    bool scale = m.A != 1 || m.D != 1, rotate = m.B != 0 || m.C != 0;
    out.UBits(scale, 1);
    if (scale) {
        unsigned bits = BitWriter::SignedBitsFor({Fixed(m.A), Fixed(m.D)});
        out.UBits(bits, 5);
        out.SBits(Fixed(m.A), bits);
        out.SBits(Fixed(m.D), bits);
    }
    out.UBits(rotate, 1);
    if (rotate) {
        unsigned bits = BitWriter::SignedBitsFor({Fixed(m.B), Fixed(m.C)});
        out.UBits(bits, 5);
        out.SBits(Fixed(m.B), bits);
        out.SBits(Fixed(m.C), bits);
    }
    unsigned bits = BitWriter::SignedBitsFor({m.Tx, m.Ty});
    out.UBits(bits, 5);
    out.SBits(m.Tx, bits);
    out.SBits(m.Ty, bits);
    out.Flush();
}

void WriteColorTransform(BitWriter& out, const ColorTransform& c, bool withAlpha) {
    out.UBits(1, 1); // add terms
    out.UBits(1, 1); // multiply terms
    unsigned bits =
        BitWriter::SignedBitsFor({c.MulR, c.MulG, c.MulB, c.MulA, c.AddR, c.AddG, c.AddB, c.AddA});
    out.UBits(bits, 4);
    for (int16_t v : {c.MulR, c.MulG, c.MulB})
        out.SBits(v, bits);
    if (withAlpha)
        out.SBits(c.MulA, bits);
    for (int16_t v : {c.AddR, c.AddG, c.AddB})
        out.SBits(v, bits);
    if (withAlpha)
        out.SBits(c.AddA, bits);
    out.Flush();
}

void WriteColor(BitWriter& out, Rgba c, bool withAlpha) {
    out.U8(c.R);
    out.U8(c.G);
    out.U8(c.B);
    if (withAlpha)
        out.U8(c.A);
}

void WriteString(BitWriter& out, const std::string& s) {
    for (char ch : s)
        out.U8(static_cast<uint8_t>(ch));
    out.U8(0);
}

} // namespace swfw
