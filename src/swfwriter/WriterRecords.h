#pragma once

#include "swfwriter/SwfWriter.h"

#include <cstdint>

namespace swfw {

struct Rgba {
    uint8_t R = 0, G = 0, B = 0, A = 255;
};

// x' = A x + C y + Tx, y' = B x + D y + Ty; translation in twips.
struct Transform {
    double A = 1, B = 0, C = 0, D = 1;
    int32_t Tx = 0, Ty = 0;
};

// Multiplies (1.0 = 256) and adds per channel.
struct ColorTransform {
    int16_t MulR = 256, MulG = 256, MulB = 256, MulA = 256;
    int16_t AddR = 0, AddG = 0, AddB = 0, AddA = 0;
};

void WriteMatrix(BitWriter& out, const Transform& m);
void WriteColorTransform(BitWriter& out, const ColorTransform& c, bool withAlpha);
void WriteColor(BitWriter& out, Rgba c, bool withAlpha);
void WriteString(BitWriter& out, const std::string& s);

// zlib-compressed bytes.
std::vector<uint8_t> Deflate(const std::vector<uint8_t>& plain);

} // namespace swfw
