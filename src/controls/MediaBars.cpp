#include "controls/MediaBars.h"

namespace controls {

TMediaBarSetup MediaProgressBar1Setup() {
    return {.width = 496,
            .height = 5,
            .transparent = false,
            .blendValue = 120,
            .max = 100,
            .position = 0,
            .showBorder = false};
}

TMediaBarSetup MediaProgressBar2Setup() {
    return {.width = 183,
            .height = 3,
            .transparent = true,
            .blendValue = 120,
            .max = 252,
            .position = 252,
            .showBorder = false};
}

void SetUpMediaBarStyles(TMediaBarPainter& painter, const TMediaBitmapList* bitmaps) {
    TMediaBackground& background = painter.Background();
    background.SetStyle(TMediaBackgroundStyle::ebsGradient);
    background.SetGradientStyle(TMediaGradientStyle::egsLinear);
    background.SetGradientDirection(TMediaGradientDirection::egdVertical);
    background.SetColor(clWhite);
    background.SetGradientOrPlasmaColor(clSkyBlue);

    painter.Border().SetStyle(TMediaBorderStyle::ebsSingleBorder);
    painter.Border().SetWidth(0);
    painter.Border().SetColor(clGradientActiveCaption);

    // The index is stored before the list is known, as when the window's
    // description is read, so it is not cut to the list's count.
    TMediaBackground& progress = painter.ProgressBackground();
    progress.SetStyle(TMediaBackgroundStyle::ebsBitmap);
    progress.SetBitmapIndex(1);
    progress.SetBitmaps(bitmaps);
    progress.SetBitmapTileStyle(TMediaTileStyle::etsStretch);
    progress.SetColor(clSkyBlue);
    progress.SetGradientOrPlasmaColor(clBlue);

    painter.ProgressBorder().SetStyle(TMediaBorderStyle::ebsSingleBorder);
    painter.ProgressBorder().SetWidth(0);
    painter.ProgressBorder().SetColor(clBlack);
}

} // namespace controls
