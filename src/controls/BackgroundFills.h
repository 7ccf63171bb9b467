#pragma once

#include "controls/FillRegistry.h"

namespace controls {

// The fill procedures of the registry.
void ColorFill(TMediaBitmap& target, TRect rect, const TFillColors& colors, const TMediaBitmap* bitmap);
void NoFill(TMediaBitmap& target, TRect rect, const TFillColors& colors, const TMediaBitmap* bitmap);
void BitmapCenterFill(TMediaBitmap& target, TRect rect, const TFillColors& colors,
                      const TMediaBitmap* bitmap);
void BitmapStretchFill(TMediaBitmap& target, TRect rect, const TFillColors& colors,
                       const TMediaBitmap* bitmap);
void BitmapTileFill(TMediaBitmap& target, TRect rect, const TFillColors& colors, const TMediaBitmap* bitmap);
// Steps from the light colour to the dark one, one band per step of the
// channel that changes most.
void GradientHorzFill(TMediaBitmap& target, TRect rect, const TFillColors& colors,
                      const TMediaBitmap* bitmap);
void GradientVertFill(TMediaBitmap& target, TRect rect, const TFillColors& colors,
                      const TMediaBitmap* bitmap);

// The geometry of a stepped gradient over `extent` pixels.
struct TGradientSteps {
    int steps;
    int bandWidth;
};
TGradientSteps GradientSteps(TColor light, TColor dark, int extent);
// The pixel of band `band` of such a gradient.
TPixel GradientBandPixel(TColor light, TColor dark, int band);

} // namespace controls
