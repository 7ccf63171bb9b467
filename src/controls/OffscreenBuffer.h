#pragma once

#include "controls/MediaBitmap.h"

#include <cstdint>

namespace controls {

// What a control draws into its off-screen buffer.
class TBufferPainter {
public:
    virtual ~TBufferPainter() = default;
    // False while the control cannot show anything (no parent, hidden).
    virtual bool CanRender() const = 0;
    // The parent's background under the control, the buffer's top-left
    // corner standing for the control's.
    virtual void PaintParentBackground(TMediaBitmap& buffer) = 0;
    // The control's own picture.
    virtual void PaintBuffer(TMediaBitmap& buffer) = 0;
};

struct TRenderOptions {
    bool transparent = false;
    uint8_t blendValue = 150;
};

// The off-screen picture of a control: composed here, then copied to the
// window in one piece so that it never flickers. The buffer runs ahead of
// the control's size in 30-pixel steps, so resizing by a few pixels does
// not re-allocate it. A second buffer of the same size exists while
// blending.
class TOffscreenBuffer {
public:
    static constexpr int kStep = 30;
    // The buffer length allocated for a control length.
    static int AllocatedExtent(int length) { return kStep * (length / kStep + 1); }

    // Takes the control's new client size. Answers whether the buffer was
    // re-allocated (it is then dirty and wants rendering at once). Negative
    // sizes leave it alone. A buffer that cannot be allocated stays empty
    // (and the exception propagates) until the next successful resize.
    bool Resize(int width, int height);
    void SetBlend(bool blend);

    bool Dirty() const { return dirty_; }
    void MarkDirty() { dirty_ = true; }

    // Composes the picture when dirty and there is something to show.
    void Render(TBufferPainter& painter, TRenderOptions options);

    TMediaBitmap& Picture() { return main_; }
    const TMediaBitmap& Picture() const { return main_; }
    int ControlWidth() const { return width_; }
    int ControlHeight() const { return height_; }

private:
    bool NeedsAllocation(int width, int height) const;
    void Allocate();

    TMediaBitmap main_;
    TMediaBitmap second_;
    bool blend_ = false;
    bool dirty_ = true;
    int width_ = 0;
    int height_ = 0;
};

} // namespace controls
