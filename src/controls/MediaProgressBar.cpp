#include "controls/MediaProgressBar.h"

namespace controls {

TMediaProgressBar::TMediaProgressBar() {
    SetTransparent(true);
    // Style changes at run time show at the next repaint that something
    // else causes; only the frame's width moves the progress inset.
    Border().OnChange = [this] { SetBorderWidth(Border().Width()); };
}

void TMediaProgressBar::SetUp(const TMediaBarSetup& setup, const TMediaBitmapList* bitmaps) {
    SetBounds({Left(), Top(), setup.width, setup.height});
    SetTransparent(setup.transparent);
    SetBlendValue(setup.blendValue);
    SetMax(setup.max);
    SetPosition(setup.position);
    SetShowBorder(setup.showBorder);
    SetUpMediaBarStyles(painter_, bitmaps);
    Loaded();
}

void TMediaProgressBar::DrawProgress(TMediaBitmap& buffer) {
    painter_.DrawProgress(buffer, Range(), Width(), Height());
}

void TMediaProgressBar::DrawBackground(TMediaBitmap& buffer) {
    painter_.DrawBackground(buffer, Width(), Height());
}

} // namespace controls
