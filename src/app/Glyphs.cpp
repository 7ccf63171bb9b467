#include "app/Glyphs.h"

#include <initializer_list>
#include <vector>

namespace app {
namespace {

constexpr int Size = 16;
constexpr COLORREF Ink = RGB(24, 48, 112);

using Shape = std::vector<POINT>;

// Each glyph is a few filled polygons on a 16 x 16 grid.
std::vector<Shape> ShapesOf(Glyph glyph) {
    const Shape speaker{{2, 6}, {5, 6}, {9, 2}, {9, 14}, {5, 10}, {2, 10}};
    const Shape minus{{4, 7}, {12, 7}, {12, 9}, {4, 9}};
    switch (glyph) {
    case Glyph::Close:
        return {{{3, 9}, {8, 3}, {13, 9}}, {{3, 11}, {13, 11}, {13, 13}, {3, 13}}};
    case Glyph::Back:
        return {{{3, 3}, {5, 3}, {5, 13}, {3, 13}}, {{13, 3}, {13, 13}, {6, 8}}};
    case Glyph::Stop:
        return {{{4, 4}, {12, 4}, {12, 12}, {4, 12}}};
    case Glyph::Play:
        return {{{5, 3}, {12, 8}, {5, 13}}};
    case Glyph::Pause:
        return {{{4, 3}, {7, 3}, {7, 13}, {4, 13}}, {{9, 3}, {12, 3}, {12, 13}, {9, 13}}};
    case Glyph::Forward:
        return {{{3, 3}, {10, 8}, {3, 13}}, {{11, 3}, {13, 3}, {13, 13}, {11, 13}}};
    case Glyph::Mute:
        return {speaker, {{11, 5}, {12, 5}, {12, 11}, {11, 11}}, {{13, 3}, {14, 3}, {14, 13}, {13, 13}}};
    case Glyph::Unmute:
        return {speaker, {{10, 5}, {11, 5}, {14, 10}, {13, 10}}, {{13, 5}, {14, 5}, {11, 10}, {10, 10}}};
    case Glyph::VolumeDown:
        return {minus};
    case Glyph::VolumeUp:
        return {minus, {{7, 4}, {9, 4}, {9, 12}, {7, 12}}};
    }
    return {};
}

} // namespace

ui::IconHandle MakeGlyph(Glyph glyph) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), Size, -Size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    ui::BitmapHandle colour(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    ui::BitmapHandle mask(CreateBitmap(Size, Size, 1, 1, nullptr));
    if (!colour || !mask)
        return nullptr;
    {
        ui::MemoryDcHandle dc(CreateCompatibleDC(nullptr));
        ui::SelectObjectScope selectBitmap(dc.get(), colour.get());
        ui::BrushHandle brush(CreateSolidBrush(Ink));
        ui::SelectObjectScope selectBrush(dc.get(), brush.get());
        ui::SelectObjectScope selectPen(dc.get(), GetStockObject(NULL_PEN));
        for (const Shape& shape : ShapesOf(glyph))
            Polygon(dc.get(), shape.data(), static_cast<int>(shape.size()));
        GdiFlush();
    }
    // GDI leaves alpha at zero: what it painted becomes opaque.
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int i = 0; i < Size * Size; ++i)
        pixels[i] = pixels[i] ? pixels[i] | 0xFF000000u : 0;
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    return ui::IconHandle(CreateIconIndirect(&info));
}

} // namespace app
