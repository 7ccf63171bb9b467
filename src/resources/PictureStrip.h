#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace resources {

// A row of same-sized square pictures, premultiplied 0xAARRGGBB, each one
// top-down, one after the other.
struct PictureStrip {
    int Size = 0;
    int Count = 0;
    std::vector<uint32_t> Pixels;

    std::span<const uint32_t> Picture(int index) const;
};

// What a strip embedded in the program must hold, and under which name.
struct StripLayout {
    const wchar_t* ResourceName;
    const char* FileName;
    int Size;
    int Count;
};

inline constexpr StripLayout ToolbarStrip{L"ToolbarPictures", "ToolbarPictures.bin", 32, 19};
inline constexpr StripLayout TrayStrip{L"TrayPictures", "TrayPictures.bin", 32, 12};
inline constexpr StripLayout GlyphStrip{L"ButtonGlyphs", "ButtonGlyphs.bin", 16, 10};

// The stored form: "KFPS", then size, count and a reserved zero as 16-bit
// little-endian values, then the pixels as 32-bit little-endian values.
std::vector<uint8_t> EncodeStrip(const PictureStrip& strip);

// Reads a stored strip that must have the given layout. Throws
// std::runtime_error with a short reason for anything else; nothing is
// allocated before the sizes have been checked against the data.
PictureStrip DecodeStrip(std::span<const uint8_t> data, const StripLayout& layout);

// Straight (not premultiplied) 0xAARRGGBB, as icons hold their colours.
uint32_t Unpremultiply(uint32_t pixel);

} // namespace resources
