#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace swf {

// PNG colour types.
enum class PngColor : uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

struct PngHeader {
    int Width = 0, Height = 0;
    int BitDepth = 8;
    PngColor Color = PngColor::Rgba;
    bool Interlaced = false;

    int Channels() const;
    int BitsPerPixel() const { return Channels() * BitDepth; }
};

// One pass of an image: its first pixel and the steps between its pixels.
// A plain image is one pass over everything.
struct PngPass {
    int X0, Y0, Dx, Dy;
    int Width(int imageWidth) const { return imageWidth > X0 ? (imageWidth - X0 + Dx - 1) / Dx : 0; }
    int Height(int imageHeight) const { return imageHeight > Y0 ? (imageHeight - Y0 + Dy - 1) / Dy : 0; }
};
inline constexpr std::array<PngPass, 7> Adam7Passes{{
    {0, 0, 8, 8},
    {4, 0, 8, 8},
    {0, 4, 4, 8},
    {2, 0, 4, 4},
    {0, 2, 2, 4},
    {1, 0, 2, 2},
    {0, 1, 1, 2},
}};
inline constexpr PngPass WholeImagePass{0, 0, 1, 1};

// What decoding needs from a PNG file's chunks.
struct PngChunks {
    PngHeader Header;
    std::vector<uint32_t> Palette; // straight 0xAARRGGBB, tRNS applied
    // tRNS of grey (first sample only) and RGB images: the colour that is
    // transparent, in the image's own sample values.
    std::optional<std::array<uint16_t, 3>> TransparentKey;
    std::vector<uint8_t> ImageData; // the IDAT chunks joined, still compressed
};

// Reads the chunks up to IEND (or the end of the data). CRCs are not
// checked; every length is. Throws swf::Error on a damaged file.
PngChunks ReadPngChunks(std::span<const uint8_t> file);

} // namespace swf
