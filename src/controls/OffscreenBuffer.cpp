#include "controls/OffscreenBuffer.h"

#include "controls/AlphaMix.h"

namespace controls {

namespace {

// top := top mixed over bottom by top's alpha, pixel by pixel.
void MixOver(TMediaBitmap& top, const TMediaBitmap& bottom) {
    for (int y = 0; y < top.Height(); ++y) {
        auto row = top.Row(y);
        auto under = bottom.Row(y);
        for (size_t x = 0; x < row.size(); ++x)
            row[x] = MixPixel(row[x], under[x]);
    }
}

} // namespace

bool TOffscreenBuffer::NeedsAllocation(int width, int height) const {
    return width > main_.Width() || height > main_.Height() || main_.Width() - width > kStep ||
           main_.Height() - height > kStep;
}

void TOffscreenBuffer::Allocate() {
    dirty_ = true;
    main_.SetSize(AllocatedExtent(width_), AllocatedExtent(height_));
    if (blend_)
        second_.SetSize(main_.Width(), main_.Height());
}

bool TOffscreenBuffer::Resize(int width, int height) {
    if (width < 0 || height < 0)
        return false;
    width_ = width;
    height_ = height;
    if (!NeedsAllocation(width, height))
        return false;
    Allocate();
    return true;
}

void TOffscreenBuffer::SetBlend(bool blend) {
    blend_ = blend;
    dirty_ = true;
    if (!blend) {
        second_ = TMediaBitmap();
    } else if (!main_.IsEmpty()) {
        second_.SetSize(main_.Width(), main_.Height());
    }
}

void TOffscreenBuffer::Render(TBufferPainter& painter, TRenderOptions options) {
    if (!dirty_ || !painter.CanRender() || main_.IsEmpty() || width_ == 0 || height_ == 0 ||
        (blend_ && second_.IsEmpty()))
        return;
    if (!blend_) {
        if (options.transparent)
            painter.PaintParentBackground(main_);
        painter.PaintBuffer(main_);
    } else {
        painter.PaintParentBackground(second_);
        second_.SetAlpha(255);
        if (options.transparent)
            second_.CopyRect(main_, 0, 0, second_.Bounds());
        painter.PaintBuffer(main_);
        main_.SetAlpha(options.blendValue);
        MixOver(main_, second_);
    }
    dirty_ = false;
}

} // namespace controls
