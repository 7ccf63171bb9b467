#include "swfwriter/WriterRecords.h"

#include <zlib.h>

#include <cmath>
#include <stdexcept>

namespace swfw {
namespace {

int32_t Fixed(double v) { return static_cast<int32_t>(std::lround(v * 65536.0)); }

// A flag bit, then (when set) a bit count and two 16.16 values.
void WriteFixedPair(BitWriter& out, bool present, double a, double b) {
    out.UBits(present, 1);
    if (!present)
        return;
    unsigned bits = BitWriter::SignedBitsFor({Fixed(a), Fixed(b)});
    out.UBits(bits, 5);
    out.SBits(Fixed(a), bits);
    out.SBits(Fixed(b), bits);
}

} // namespace

void WriteMatrix(BitWriter& out, const Transform& m) {
    WriteFixedPair(out, m.A != 1 || m.D != 1, m.A, m.D);
    WriteFixedPair(out, m.B != 0 || m.C != 0, m.B, m.C);
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

namespace swfw {

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& plain) {
    uLongf size = compressBound(static_cast<uLong>(plain.size()));
    std::vector<uint8_t> packed(size);
    if (compress(packed.data(), &size, plain.data(), static_cast<uLong>(plain.size())) != Z_OK)
        throw std::runtime_error("zlib compression failed");
    packed.resize(size);
    return packed;
}

} // namespace swfw
