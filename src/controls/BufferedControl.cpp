#include "controls/BufferedControl.h"

#include "controls/DibPixelSurface.h"

#include <algorithm>

namespace controls {

void TBufferedControl::SetTransparent(bool transparent) { ChangeAndInvalidate(transparent_, transparent); }

void TBufferedControl::SetBlend(bool blend) {
    if (blend == blend_)
        return;
    blend_ = blend;
    buffer_.SetBlend(blend);
    InvalidatePicture();
}

void TBufferedControl::SetBlendValue(int value) {
    ChangeAndInvalidate(blendValue_, std::clamp(value, 0, 255));
}

void TBufferedControl::InvalidatePicture() {
    buffer_.MarkDirty();
    Invalidate();
}

void TBufferedControl::PaintBuffer(TMediaBitmap& buffer) {
    if (!transparent_)
        buffer.Fill(Color());
}

void TBufferedControl::CreateScrollBar(bool vertical) {
    if (HWND window = HandleIfCreated())
        ShowScrollBar(window, vertical ? SB_VERT : SB_HORZ, TRUE);
}

int TBufferedControl::ScrollBarThickness() const { return GetSystemMetrics(SM_CXHTHUMB); }

bool TBufferedControl::CanRender() const { return Parent() != nullptr && Visible(); }

void TBufferedControl::PaintParentBackground(TMediaBitmap& buffer) {
    // The parent paints in its own client coordinates: move the buffer's
    // origin so that this control's corner lands on the buffer's corner.
    HDC dc = BitmapDc(buffer);
    POINT origin;
    SetViewportOrgEx(dc, -Left(), -Top(), &origin);
    RECT area{Left(), Top(), Left() + Width(), Top() + Height()};
    Parent()->PaintBackground(dc, area);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    GdiFlush();
}

void TBufferedControl::Render() {
    buffer_.Render(*this, {.transparent = transparent_, .blendValue = static_cast<uint8_t>(blendValue_)});
}

void TBufferedControl::PaintWindow(HDC dc, const RECT&) {
    buffer_.MarkDirty();
    Render();
    TMediaBitmap& picture = buffer_.Picture();
    if (picture.IsEmpty())
        return;
    RECT all{0, 0, picture.Width(), picture.Height()};
    PaintGraphicChildren(BitmapDc(picture), all);
    DrawBitmap(picture, dc, 0, 0);
}

LRESULT TBufferedControl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        if (buffer_.Dirty())
            Render();
        DrawBitmap(buffer_.Picture(), reinterpret_cast<HDC>(wp), 0, 0);
        return 1;
    case WM_MOUSEMOVE:
        TrackMouse(true);
        break;
    case WM_MOUSELEAVE:
        TrackMouse(false);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        focused_ = msg == WM_SETFOCUS;
        InvalidatePicture();
        break;
    }
    return WinControl::HandleMessage(msg, wp, lp);
}

void TBufferedControl::TrackMouse(bool inside) {
    if (inside == mouseInside_)
        return;
    mouseInside_ = inside;
    if (inside) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, HandleIfCreated(), 0};
        TrackMouseEvent(&track);
    }
    if (const auto& handler = inside ? OnMouseEnter : OnMouseLeave)
        handler();
}

void TBufferedControl::BoundsChanged() {
    WinControl::BoundsChanged();
    if (buffer_.Resize(ClientWidth(), ClientHeight()))
        Render();
}

} // namespace controls
