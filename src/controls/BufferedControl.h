#pragma once

#include "controls/OffscreenBuffer.h"
#include "ui/WinControl.h"

#include <functional>

namespace controls {

// A window that composes its picture in an off-screen buffer and copies it
// to the screen in one piece, so it never flickers. Transparent: the
// parent's background is painted into the buffer first. Blend: the picture
// is mixed over the parent's background at BlendValue opacity.
class TBufferedControl : public ui::WinControl, private TBufferPainter {
public:
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool Blend() const { return blend_; }
    void SetBlend(bool blend);
    int BlendValue() const { return blendValue_; }
    // Kept within 0..255.
    void SetBlendValue(int value);

    // Marks the picture dirty and asks the platform for a repaint.
    void InvalidatePicture();

    bool MouseInside() const { return mouseInside_; }
    bool HasFocus() const { return focused_; }
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    const TOffscreenBuffer& Buffer() const { return buffer_; }

protected:
    TBufferedControl() = default;

    // The control's picture. This base fills the buffer with Color unless
    // Transparent.
    void PaintBuffer(TMediaBitmap& buffer) override;

    // For controls that carry their own scroll bars; the bars have none.
    virtual void CreateScrollBar(bool vertical);
    virtual int ScrollBarThickness() const;

    // Marks dirty, and repaints now when the value changed.
    template <class T> void ChangeAndInvalidate(T& field, T value) {
        if (field == value)
            return;
        field = value;
        InvalidatePicture();
    }

    void PaintWindow(HDC dc, const RECT& dirty) override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void BoundsChanged() override;

private:
    bool CanRender() const override;
    void PaintParentBackground(TMediaBitmap& buffer) override;
    void Render();
    void TrackMouse(bool inside);

    TOffscreenBuffer buffer_;
    bool transparent_ = false;
    bool blend_ = false;
    int blendValue_ = 150;
    bool mouseInside_ = false;
    bool focused_ = false;
};

} // namespace controls
