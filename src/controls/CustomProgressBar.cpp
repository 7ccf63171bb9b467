#include "controls/CustomProgressBar.h"

#include "controls/PlainBarPainter.h"
#include "ui/Application.h"

namespace controls {

TCustomProgressBar::TCustomProgressBar() { SetBounds({0, 0, 140, 16}); }

void TCustomProgressBar::SetPosition(int position) {
    if (!range_.SetPosition(position))
        return;
    InvalidatePicture();
    // Show the new edge now, even when the caller keeps the thread busy;
    // before the window exists there is nothing to show yet.
    if (HandleAllocated())
        ui::App().ProcessMessages();
}

void TCustomProgressBar::PaintBuffer(TMediaBitmap& buffer) {
    TBufferedControl::PaintBuffer(buffer);
    DrawBackground(buffer);
    DrawProgress(buffer);
}

void TCustomProgressBar::DrawProgress(TMediaBitmap& buffer) {
    TPlainBarPainter::DrawProgress(buffer, range_, Width(), Height());
}

void TCustomProgressBar::DrawBackground(TMediaBitmap& buffer) {
    TPlainBarPainter::DrawBackground(buffer, range_, Width(), Height(), Color());
}

} // namespace controls
