#include "swf/BitmapPaint.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

// Blends two pixels, w in 0..256, two channels at a time.
uint32_t Lerp(uint32_t a, uint32_t b, uint32_t w) {
    uint32_t rb = ((a & 0x00ff00ffu) * (256 - w) + (b & 0x00ff00ffu) * w + 0x00800080u) >> 8 & 0x00ff00ffu;
    uint32_t ag =
        ((a >> 8 & 0x00ff00ffu) * (256 - w) + (b >> 8 & 0x00ff00ffu) * w + 0x00800080u) & 0xff00ff00u;
    return rb | ag;
}

// Coordinates far outside the bitmap are folded or clamped in doubles first.
int Floor(double v) { return static_cast<int>(std::floor(std::clamp(v, -1e9, 1e9))); }

} // namespace

BitmapPaint::BitmapPaint(const Bitmap& bitmap, const Matrix& deviceToBitmap, const ColorTransform& colors,
                         bool repeat, bool smooth)
    : bitmap_(bitmap), inverse_(deviceToBitmap), colors_(colors), identity_(colors.IsIdentity()),
      repeat_(repeat), smooth_(smooth) {}

int BitmapPaint::Wrap(int v, int size) const {
    if (v >= 0 && v < size)
        return v;
    if (repeat_) {
        v %= size;
        return v < 0 ? v + size : v;
    }
    return std::clamp(v, 0, size - 1);
}

uint32_t BitmapPaint::Nearest(double u, double v) const {
    return bitmap_.At(Wrap(Floor(u), bitmap_.Width), Wrap(Floor(v), bitmap_.Height));
}

uint32_t BitmapPaint::Bilinear(double u, double v) const {
    u -= 0.5;
    v -= 0.5;
    int x0 = Floor(u), y0 = Floor(v);
    auto wu = static_cast<uint32_t>((u - x0) * 256), wv = static_cast<uint32_t>((v - y0) * 256);
    int xa = Wrap(x0, bitmap_.Width), xb = Wrap(x0 + 1, bitmap_.Width);
    int ya = Wrap(y0, bitmap_.Height), yb = Wrap(y0 + 1, bitmap_.Height);
    uint32_t top = Lerp(bitmap_.At(xa, ya), bitmap_.At(xb, ya), wu);
    uint32_t bottom = Lerp(bitmap_.At(xa, yb), bitmap_.At(xb, yb), wu);
    return Lerp(top, bottom, wv);
}

void BitmapPaint::Shade(int x, int y, int count, uint32_t* out) const {
    double cx = x + 0.5, cy = y + 0.5;
    double u = inverse_.A * cx + inverse_.C * cy + inverse_.Tx;
    double v = inverse_.B * cx + inverse_.D * cy + inverse_.Ty;
    for (int i = 0; i < count; ++i) {
        uint32_t c = smooth_ ? Bilinear(u, v) : Nearest(u, v);
        out[i] = identity_ ? c : colors_.ApplyPremultiplied(c);
        u += inverse_.A;
        v += inverse_.B;
    }
}

} // namespace swf
