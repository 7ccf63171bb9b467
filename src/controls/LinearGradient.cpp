#include "controls/LinearGradient.h"

#include "controls/Numeric.h"

#include <algorithm>

namespace controls {

uint8_t GradientChannel(int step, int steps, int from, int to) {
    long double start = from * 255;
    long double delta = to * 255 - from * 255;
    long double value = (step * delta / steps + start) / 255;
    return static_cast<uint8_t>(std::clamp<long long>(RoundHalfEven(value), 0, 255));
}

TPixel GradientPixel(int step, int steps, TPixel from, TPixel to) {
    TPixel pixel = 0;
    for (int shift : kChannelShifts)
        pixel |= static_cast<TPixel>(GradientChannel(step, steps, Channel(from, shift), Channel(to, shift)))
                 << shift;
    return pixel;
}

std::vector<TGradientBand> LinearGradientBands(int extent, TColor from, TColor to) {
    std::vector<TGradientBand> bands;
    if (extent <= 0)
        return bands;
    int n = std::min(255, extent);
    TPixel a = ColorToPixel(from);
    TPixel b = ColorToPixel(to);
    for (int i = 0; i <= n; ++i)
        bands.push_back({MulDiv(i, extent, n), MulDiv(i + 1, extent, n), GradientPixel(i, n, a, b)});
    return bands;
}

void DrawLinearGradient(TMediaBitmap& target, TRect rect, TColor from, TColor to, bool vertical) {
    TRect r = Intersect(rect, target.Bounds());
    if (r.IsEmpty())
        return;
    int origin = vertical ? r.top : r.left;
    for (const TGradientBand& band : LinearGradientBands(vertical ? r.Height() : r.Width(), from, to)) {
        TRect area = vertical ? TRect{r.left, origin + band.start, r.right, origin + band.end}
                              : TRect{origin + band.start, r.top, origin + band.end, r.bottom};
        target.FillPixels(Intersect(area, r), band.pixel);
    }
}

} // namespace controls
