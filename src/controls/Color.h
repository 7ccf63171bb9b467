#pragma once

#include <cstdint>

namespace controls {

// The program's colour value: 0x00BBGGRR for a direct colour, 0xFF0000nn for
// system colour number nn.
using TColor = uint32_t;

// A pixel of a TMediaBitmap: 0xAARRGGBB (bytes B, G, R, A in memory).
using TPixel = uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor SystemColor(uint8_t index) { return 0xFF000000u | index; }
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor clGradientActiveCaption = SystemColor(27);

// Resolves system colours and gives the opaque pixel 0xFFRRGGBB that the
// drawing operations write.
TPixel ColorToPixel(TColor color);

inline constexpr uint8_t Channel(TPixel pixel, int shift) { return static_cast<uint8_t>(pixel >> shift); }
inline constexpr TPixel MakePixel(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// Channel shifts of a pixel, in the order red, green, blue, alpha.
inline constexpr int kChannelShifts[4] = {16, 8, 0, 24};

} // namespace controls
