#include "controls/FramedControl.h"

#include "controls/DibPixelSurface.h"

#include <algorithm>

namespace controls {

namespace {

// Bands wider than this are surely a mistake; they would hide the control.
constexpr int kMaxBorderWidth = 1000;

} // namespace

void TFramedControl::SetBorderWidth(int width) {
    ChangeFrame(frame_.borderWidth, std::clamp(width, 0, kMaxBorderWidth));
}

void TFramedControl::SetBevelWidth(int width) {
    ChangeFrame(frame_.bevelWidth, std::clamp(width, 1, kMaxBevelWidth));
}

TRect TFramedControl::ClientRect() const { return FrameClientRect({0, 0, Width(), Height()}, frame_); }

void TFramedControl::PaintClient(TMediaBitmap& picture) { picture.FillRect(ClientRect(), Color()); }

void TFramedControl::Paint(HDC dc) {
    if (Width() <= 0 || Height() <= 0)
        return;
    TMediaBitmap picture;
    picture.SetSize(Width(), Height());
    PaintFrame(picture, picture.Bounds(), frame_);
    PaintClient(picture);
    DrawBitmap(picture, dc, 0, 0);
}

} // namespace controls
