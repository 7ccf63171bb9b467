#include "swf/PngUnfilter.h"

#include "swf/Error.h"

#include <cstdlib>
#include <vector>

namespace swf {
namespace {

enum Filter : uint8_t { None, Sub, Up, Average, Paeth };

[[noreturn]] void ThrowUnknownFilter() { ThrowDamaged("PNG row has an unknown filter type"); }

// The neighbour closest to left + above - upperLeft, written with the
// distances worked out from the differences alone.
uint8_t PaethFast(int a, int b, int c) {
    int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    return uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

void UnfilterRow(uint8_t type, uint8_t* row, const uint8_t* prior, size_t n, size_t bpp) {
    switch (type) {
    case None:
        break;
    case Sub:
        for (size_t i = bpp; i < n; ++i)
            row[i] = uint8_t(row[i] + row[i - bpp]);
        break;
    case Up:
        for (size_t i = 0; i < n; ++i)
            row[i] = uint8_t(row[i] + prior[i]);
        break;
    case Average:
        for (size_t i = 0; i < bpp && i < n; ++i)
            row[i] = uint8_t(row[i] + (prior[i] >> 1));
        for (size_t i = bpp; i < n; ++i)
            row[i] = uint8_t(row[i] + ((row[i - bpp] + prior[i]) >> 1));
        break;
    case Paeth:
        for (size_t i = 0; i < bpp && i < n; ++i)
            row[i] = uint8_t(row[i] + prior[i]);
        for (size_t i = bpp; i < n; ++i)
            row[i] = uint8_t(row[i] + PaethFast(row[i - bpp], prior[i], prior[i - bpp]));
        break;
    default:
        ThrowUnknownFilter();
    }
}

// The predictor as the format describes it.
int PaethReference(int a, int b, int c) {
    int p = a + b - c;
    int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    if (pb <= pc)
        return b;
    return c;
}

} // namespace

void UnfilterRows(std::span<uint8_t> data, size_t rowBytes, size_t pixelBytes) {
    std::vector<uint8_t> zeroRow(rowBytes, 0);
    const uint8_t* prior = zeroRow.data();
    for (size_t at = 0; at + rowBytes + 1 <= data.size(); at += rowBytes + 1) {
        uint8_t* row = &data[at + 1];
        UnfilterRow(data[at], row, prior, rowBytes, pixelBytes);
        prior = row;
    }
}

void UnfilterRowsReference(std::span<uint8_t> data, size_t rowBytes, size_t pixelBytes) {
    size_t stride = rowBytes + 1, rows = data.size() / stride;
    // Raw(x, y): a byte already unfiltered, or 0 outside the image.
    auto raw = [&](size_t y, size_t x, bool inside) -> int { return inside ? data[y * stride + 1 + x] : 0; };
    for (size_t y = 0; y < rows; ++y) {
        uint8_t type = data[y * stride];
        for (size_t x = 0; x < rowBytes; ++x) {
            bool hasLeft = x >= pixelBytes, hasUp = y > 0;
            int a = raw(y, x - pixelBytes, hasLeft);
            int b = raw(y - 1, x, hasUp);
            int c = raw(y - 1, x - pixelBytes, hasLeft && hasUp);
            int predictor = type == None      ? 0
                            : type == Sub     ? a
                            : type == Up      ? b
                            : type == Average ? (a + b) / 2
                            : type == Paeth   ? PaethReference(a, b, c)
                                              : -1;
            if (predictor < 0)
                ThrowUnknownFilter();
            uint8_t& byte = data[y * stride + 1 + x];
            byte = uint8_t((byte + predictor) % 256);
        }
    }
}

} // namespace swf
