#include "controls/MediaBorder.h"

namespace controls {

void TMediaBorder::SetBitmapIndex(int index) { Set(bitmapIndex_, ClampBitmapIndex(bitmaps_, index)); }

void TMediaBorder::Assign(const TMediaBorder& other) {
    style_ = other.style_;
    color_ = other.color_;
    width_ = other.width_;
    marginX_ = other.marginX_;
    marginY_ = other.marginY_;
    bitmaps_ = other.bitmaps_;
    bitmapIndex_ = other.bitmapIndex_;
    tileStyle_ = other.tileStyle_;
    Changed();
}

void TMediaBorder::Draw(TMediaBitmap& target, TRect rect) const {
    if (style_ == TMediaBorderStyle::ebsSingleBorder)
        DrawFrame(target, rect);
    else
        DrawBitmapFrame(target, rect);
}

void TMediaBorder::DrawFrame(TMediaBitmap& target, TRect r) const {
    if (width_ <= 0 || r.IsEmpty())
        return;
    int w = width_;
    target.FillRect({r.left, r.top, r.right, r.top + w}, color_);
    target.FillRect({r.left, r.bottom - w, r.right, r.bottom}, color_);
    target.FillRect({r.left, r.top + w, r.left + w, r.bottom - w}, color_);
    target.FillRect({r.right - w, r.top + w, r.right, r.bottom - w}, color_);
}

void TMediaBorder::DrawBitmapFrame(TMediaBitmap& target, TRect r) const {
    const TMediaBitmap* bitmap = StyleBitmap(bitmaps_, bitmapIndex_);
    if (!bitmap)
        return;
    int bw = bitmap->Width();
    int bh = bitmap->Height();
    int mx = marginX_;
    int my = marginY_;
    auto edge = [&](TRect source, TRect to) { DrawBitmapPart(*bitmap, target, to, source, tileStyle_); };
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
