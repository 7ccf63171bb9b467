#include "ProgramBitmaps.h"

#include <array>
#include <cstdint>

namespace genbitmaps {

using controls::TMediaBitmap;

namespace {

// The progress fill, 0xRRGGBB, top row first: a light rim over a deep blue
// body, lighter again at the bottom.
constexpr std::array<std::array<uint32_t, 9>, 7> kProgressFill = {{
    {0xC7E1FF, 0xC6DFFF, 0xC6DFFF, 0xC6DFFF, 0xC6DFFF, 0xB0D0F8, 0xB0D0F8, 0xB0D0F8, 0xB0D0F8},
    {0x7DA9DE, 0x79A5DB, 0x79A5DB, 0x79A5DB, 0x5589C8, 0x5589C8, 0x5589C8, 0x5589C8, 0x5589C8},
    {0x4A7FC2, 0x2A66B0, 0x2A66B0, 0x003E97, 0x003E97, 0x003E97, 0x003E97, 0x003E97, 0x003E97},
    {0x4A7FC2, 0x2A66B0, 0x003E97, 0x003E97, 0x003E97, 0x003E97, 0x003E97, 0x003E97, 0x003E97},
    {0x4A7FC2, 0x2A66B0, 0x003E97, 0x003E97, 0x003E97, 0x003E97, 0x003E97, 0x003E97, 0x003E97},
    {0x498AE6, 0x2973D8, 0x2973D8, 0x2973D8, 0x004CC6, 0x004CC6, 0x004CC6, 0x004CC6, 0x004CC6},
    {0x4992FF, 0x297FFF, 0x297FFF, 0x297FFF, 0x297FFF, 0x297FFF, 0x005EFF, 0x005EFF, 0x005EFF},
}};

void AddProgressFill(controls::TMediaBitmapList& list) {
    TMediaBitmap& bitmap = list.Add();
    bitmap.SetName("02.bmp");
    bitmap.SetSize(9, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            bitmap.SetPixel(x, y, 0xFF000000u | kProgressFill[y][x]);
}

// A green variant of the fill: a light top row over a vertical gradient.
void AddGreenFill(controls::TMediaBitmapList& list) {
    TMediaBitmap& bitmap = list.Add();
    bitmap.SetName("01.bmp");
    bitmap.SetSize(9, 8);
    bitmap.DrawLinearGradient({0, 1, 9, 8}, 0x40C060, 0x105020, true);
    bitmap.FillRect({0, 0, 9, 1}, 0xC8F0D0);
}

// A shaded ball lit from the upper left; the corners outside it are clear
// (alpha 0) so that it can be drawn with per-pixel alpha.
void AddBall(controls::TMediaBitmapList& list) {
    TMediaBitmap& bitmap = list.Add();
    bitmap.SetName("ball2.bmp");
    bitmap.SetSize(11, 11);
    bitmap.DrawRadialGradient(bitmap.Bounds(), 0xFFF0E0, {35, 35}, 0x801000);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) {
            int dx = 2 * x - 10;
            int dy = 2 * y - 10;
            if (dx * dx + dy * dy > 11 * 11)
                bitmap.SetPixel(x, y, bitmap.Pixel(x, y) & 0x00FFFFFFu);
        }
}

} // namespace

void BuildProgramBitmaps(controls::TMediaBitmapList& list) {
    list.Clear();
    AddGreenFill(list);
    AddProgressFill(list);
    AddBall(list);
}

} // namespace genbitmaps
