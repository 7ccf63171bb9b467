#include "controls/BackgroundFills.h"

#include <algorithm>
#include <cstdlib>

namespace controls {

namespace {

bool HasPicture(const TMediaBitmap* bitmap) { return bitmap && !bitmap->IsEmpty(); }

int ChannelSpread(TPixel a, TPixel b) {
    int spread = 0;
    for (int shift : {16, 8, 0})
        spread = std::max(spread, std::abs(Channel(a, shift) - Channel(b, shift)));
    return spread;
}

void SteppedGradient(TMediaBitmap& target, TRect rect, const TFillColors& colors, bool vertical) {
    int extent = vertical ? rect.Height() : rect.Width();
    TGradientSteps geometry = GradientSteps(colors.light, colors.dark, extent);
    for (int band = 0; band * geometry.bandWidth < extent; ++band) {
        int from = band * geometry.bandWidth;
        int to = std::min(from + geometry.bandWidth, extent);
        TRect piece = vertical ? TRect{rect.left, rect.top + from, rect.right, rect.top + to}
                               : TRect{rect.left + from, rect.top, rect.left + to, rect.bottom};
        target.FillPixels(piece, GradientBandPixel(colors.light, colors.dark, band));
    }
}

} // namespace

TGradientSteps GradientSteps(TColor light, TColor dark, int extent) {
    int steps = ChannelSpread(ColorToPixel(light), ColorToPixel(dark)) + 1;
    return {steps, std::max(extent, 0) / steps + 1};
}

TPixel GradientBandPixel(TColor light, TColor dark, int band) {
    TPixel from = ColorToPixel(light);
    TPixel to = ColorToPixel(dark);
    int last = ChannelSpread(from, to);
    if (last == 0)
        return from;
    auto channel = [&](int shift) {
        int a = Channel(from, shift);
        return static_cast<uint32_t>(a + (Channel(to, shift) - a) * std::min(band, last) / last);
    };
    return MakePixel(255, channel(16), channel(8), channel(0));
}

void ColorFill(TMediaBitmap& target, TRect rect, const TFillColors& colors, const TMediaBitmap*) {
    target.FillRect(rect, colors.normal);
}

void NoFill(TMediaBitmap&, TRect, const TFillColors&, const TMediaBitmap*) {}

void BitmapCenterFill(TMediaBitmap& target, TRect rect, const TFillColors& colors,
                      const TMediaBitmap* bitmap) {
    target.FillRect(rect, colors.normal);
    if (!HasPicture(bitmap))
        return;
    int x = rect.left + (rect.Width() - bitmap->Width()) / 2;
    int y = rect.top + (rect.Height() - bitmap->Height()) / 2;
    // A picture larger than the rectangle shows only its middle.
    TRect shown = Intersect({x, y, x + bitmap->Width(), y + bitmap->Height()}, rect);
    if (!shown.IsEmpty())
        bitmap->CopyRect(target, shown.left, shown.top,
                         {shown.left - x, shown.top - y, shown.right - x, shown.bottom - y});
}

void BitmapStretchFill(TMediaBitmap& target, TRect rect, const TFillColors& colors,
                       const TMediaBitmap* bitmap) {
    if (HasPicture(bitmap))
        bitmap->StretchDraw(target, rect, bitmap->Bounds());
    else
        ColorFill(target, rect, colors, bitmap);
}

void BitmapTileFill(TMediaBitmap& target, TRect rect, const TFillColors& colors, const TMediaBitmap* bitmap) {
    if (HasPicture(bitmap))
        bitmap->TileDraw(target, rect, bitmap->Bounds());
    else
        ColorFill(target, rect, colors, bitmap);
}

void GradientHorzFill(TMediaBitmap& target, TRect rect, const TFillColors& colors, const TMediaBitmap*) {
    SteppedGradient(target, rect, colors, false);
}

void GradientVertFill(TMediaBitmap& target, TRect rect, const TFillColors& colors, const TMediaBitmap*) {
    SteppedGradient(target, rect, colors, true);
}

} // namespace controls
