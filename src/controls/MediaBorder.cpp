#include "controls/MediaBorder.h"

namespace controls {

void TMediaBorder::SetBitmapIndex(int index) { Set(f_.bitmapIndex, ClampBitmapIndex(f_.bitmaps, index)); }

void TMediaBorder::Assign(const TMediaBorder& other) {
    f_ = other.f_;
    Changed();
}

void TMediaBorder::Draw(TMediaBitmap& target, TRect rect) const {
    if (f_.style == TMediaBorderStyle::ebsSingleBorder)
        DrawFrame(target, rect);
    else
        DrawBitmapFrame(target, rect);
}

void TMediaBorder::DrawFrame(TMediaBitmap& target, TRect r) const {
    if (f_.width <= 0 || r.IsEmpty())
        return;
    int w = f_.width;
    target.FillRect({r.left, r.top, r.right, r.top + w}, f_.color);
    target.FillRect({r.left, r.bottom - w, r.right, r.bottom}, f_.color);
    target.FillRect({r.left, r.top + w, r.left + w, r.bottom - w}, f_.color);
    target.FillRect({r.right - w, r.top + w, r.right, r.bottom - w}, f_.color);
}

void TMediaBorder::DrawBitmapFrame(TMediaBitmap& target, TRect r) const {
    const TMediaBitmap* bitmap = StyleBitmap(f_.bitmaps, f_.bitmapIndex);
    if (!bitmap)
        return;
    int bw = bitmap->Width();
    int bh = bitmap->Height();
    int mx = f_.marginX;
    int my = f_.marginY;
    auto edge = [&](TRect source, TRect to) { DrawBitmapPart(*bitmap, target, to, source, f_.tileStyle); };
    edge({mx, 0, bw - mx, my}, {r.left + mx, r.top, r.right - mx, r.top + my});
    edge({mx, bh - my, bw - mx, bh}, {r.left + mx, r.bottom - my, r.right - mx, r.bottom});
    edge({0, my, mx, bh - my}, {r.left, r.top + my, r.left + mx, r.bottom - my});
    edge({bw - mx, my, bw, bh - my}, {r.right - mx, r.top + my, r.right, r.bottom - my});
    bitmap->CopyRect(target, r.left, r.top, {0, 0, mx, my});
    bitmap->CopyRect(target, r.right - mx, r.top, {bw - mx, 0, bw, my});
    bitmap->CopyRect(target, r.left, r.bottom - my, {0, bh - my, mx, bh});
    bitmap->CopyRect(target, r.right - mx, r.bottom - my, {bw - mx, bh - my, bw, bh});
}

} // namespace controls
