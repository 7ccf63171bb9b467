#include "controls/PlasmaTexture.h"

#include "controls/Numeric.h"

#include <algorithm>

namespace controls {

namespace {

constexpr int kGrid = TPlasmaTexture::kSize + 1;

class THeightField {
public:
    explicit THeightField(TRandom& random) : random_(random), heights_(kGrid * kGrid, 0) {}

    std::vector<int> Take() { return std::move(heights_); }

    int& At(int x, int y) { return heights_[static_cast<size_t>(y) * kGrid + x]; }

    void Subdivide(int x1, int y1, int x2, int y2) {
        if (x2 - x1 < 2 && y2 - y1 < 2)
            return;
        int mx = (x1 + x2) / 2;
        int my = (y1 + y2) / 2;
        Displace(x1, y1, mx, y1, x2, y1);
        Displace(x2, y1, x2, my, x2, y2);
        Displace(x1, y2, mx, y2, x2, y2);
        Displace(x1, y1, x1, my, x1, y2);
        if (At(mx, my) == 0)
            At(mx, my) = (At(x1, y1) + At(x2, y1) + At(x1, y2) + At(x2, y2)) / 4;
        Subdivide(x1, y1, mx, my);
        Subdivide(mx, y1, x2, my);
        Subdivide(x1, my, mx, y2);
        Subdivide(mx, my, x2, y2);
    }

private:
    // Sets the midpoint (mx, my) of the edge (ax, ay)–(bx, by) when unset:
    // the ends' mean moved at random by up to 4 × the ends' distance.
    void Displace(int ax, int ay, int mx, int my, int bx, int by) {
        if (At(mx, my) != 0)
            return;
        double mean = (At(ax, ay) + At(bx, by)) / 2.0;
        double spread = (bx - ax) + (by - ay);
        double value = mean + (random_.NextReal() - 0.5) * spread * 8;
        At(mx, my) = static_cast<int>(std::clamp(value, 1.0, 236.0));
    }

    TRandom& random_;
    std::vector<int> heights_;
};

} // namespace

std::array<TPixel, TPlasmaTexture::kRampSize> TPlasmaTexture::Ramp(TColor from, TColor to) {
    TPixel a = ColorToPixel(from);
    TPixel b = ColorToPixel(to);
    std::array<TPixel, kRampSize> ramp{};
    for (int i = 0; i < kRampSize; ++i) {
        TPixel pixel = 0;
        for (int shift : kChannelShifts) {
            int start = Channel(a, shift);
            long double step = static_cast<long double>(i) * (Channel(b, shift) - start) / (kRampSize - 1);
            pixel |= static_cast<TPixel>(start + RoundHalfEven(step)) << shift;
        }
        ramp[i] = pixel;
    }
    return ramp;
}

std::vector<int> TPlasmaTexture::Heights(TRandom& random) {
    THeightField field(random);
    for (int y : {0, kSize})
        for (int x : {0, kSize})
            field.At(x, y) = random.NextInt(kRampSize - 1);
    field.Subdivide(0, 0, kSize, kSize);
    return field.Take();
}

void TPlasmaTexture::Generate(TMediaBitmap& texture, TColor from, TColor to, TRandom& random) {
    auto ramp = Ramp(from, to);
    auto heights = Heights(random);
    texture.SetSize(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            texture.SetPixel(x, y, ramp[heights[static_cast<size_t>(y) * kGrid + x]]);
}

} // namespace controls
