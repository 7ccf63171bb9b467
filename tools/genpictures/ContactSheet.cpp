#include "ContactSheet.h"

#include <algorithm>

namespace genpictures {
namespace {

constexpr int Gap = 6;

uint8_t Over(uint32_t pixel, uint32_t backdrop, int shift) {
    uint32_t alpha = pixel >> 24;
    uint32_t value = (pixel >> shift & 0xFF) + ((backdrop >> shift & 0xFF) * (255 - alpha) + 127) / 255;
    return static_cast<uint8_t>(std::min(value, 255u));
}

struct Layout {
    int Width = 0, RowsHeight = 0;
};

Layout Measure(const std::vector<std::vector<Picture>>& rows, int zoom) {
    Layout layout;
    for (const auto& row : rows) {
        int width = Gap, height = 0;
        for (const Picture& picture : row) {
            width += picture.Size * zoom + Gap;
            height = std::max(height, picture.Size * zoom);
        }
        layout.Width = std::max(layout.Width, width);
        layout.RowsHeight += height + Gap;
    }
    return layout;
}

// The premultiplied pixel over the backdrop.
void Set(tools::Image& sheet, int x, int y, uint32_t pixel, uint32_t backdrop) {
    uint8_t* out =
        &sheet.Rgba[(static_cast<size_t>(y) * static_cast<size_t>(sheet.Width) + static_cast<size_t>(x)) * 4];
    out[0] = Over(pixel, backdrop, 16), out[1] = Over(pixel, backdrop, 8), out[2] = Over(pixel, backdrop, 0);
    out[3] = 255;
}

void Put(tools::Image& sheet, const Picture& picture, int left, int top, int zoom, uint32_t backdrop) {
    for (int y = 0; y < picture.Size * zoom; ++y)
        for (int x = 0; x < picture.Size * zoom; ++x)
            Set(sheet, left + x, top + y,
                picture.Pixels[static_cast<size_t>(y / zoom * picture.Size + x / zoom)], backdrop);
}

} // namespace

tools::Image ContactSheet(const std::vector<std::vector<Picture>>& rows, int zoom,
                          std::span<const uint32_t> backdrops) {
    Layout layout = Measure(rows, zoom);
    int bandHeight = layout.RowsHeight + Gap;
    tools::Image sheet{layout.Width, bandHeight * static_cast<int>(backdrops.size()), {}};
    sheet.Rgba.resize(static_cast<size_t>(sheet.Width) * static_cast<size_t>(sheet.Height) * 4);
    for (int band = 0; band < static_cast<int>(backdrops.size()); ++band) {
        uint32_t backdrop = backdrops[static_cast<size_t>(band)];
        for (int y = band * bandHeight; y < (band + 1) * bandHeight; ++y)
            for (int x = 0; x < sheet.Width; ++x)
                Set(sheet, x, y, 0, backdrop);
        int top = band * bandHeight + Gap;
        for (const auto& row : rows) {
            int left = Gap, height = 0;
            for (const Picture& picture : row) {
                Put(sheet, picture, left, top, zoom, backdrop);
                left += picture.Size * zoom + Gap;
                height = std::max(height, picture.Size * zoom);
            }
            top += height + Gap;
        }
    }
    return sheet;
}

} // namespace genpictures
