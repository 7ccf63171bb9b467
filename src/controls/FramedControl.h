#pragma once

#include "controls/FrameStyle.h"
#include "controls/MediaBitmap.h"
#include "ui/Panel.h"

namespace controls {

// A windowless control with a configurable frame: outer frame, a band of
// BorderColor, inner frame. Its client rectangle is the area inside them;
// descendants paint that area.
class TFramedControl : public ui::GraphicControl {
public:
    TFrameStyleEx BorderOuter() const { return frame_.outer; }
    void SetBorderOuter(TFrameStyleEx style) { ChangeFrame(frame_.outer, style); }
    TFrameStyleEx BorderInner() const { return frame_.inner; }
    void SetBorderInner(TFrameStyleEx style) { ChangeFrame(frame_.inner, style); }
    int BorderWidth() const { return frame_.borderWidth; }
    void SetBorderWidth(int width);
    ui::TColor BorderColor() const { return frame_.borderColor; }
    void SetBorderColor(ui::TColor color) { ChangeFrame(frame_.borderColor, color); }
    uint8_t BorderSides() const { return frame_.sides; }
    void SetBorderSides(uint8_t sides) {
        ChangeFrame(frame_.sides, static_cast<uint8_t>(sides & kAllBorderSides));
    }
    ui::TColor FlatColor() const { return frame_.flatColor; }
    void SetFlatColor(ui::TColor color) { ChangeFrame(frame_.flatColor, color); }
    int FlatColorAdjustment() const { return frame_.flatColorAdjustment; }
    void SetFlatColorAdjustment(int adjustment) { ChangeFrame(frame_.flatColorAdjustment, adjustment); }
    int BevelWidth() const { return frame_.bevelWidth; }
    void SetBevelWidth(int width);

    // The inside of the frame, in the control's own coordinates.
    TRect ClientRect() const;

    void Paint(HDC dc) override;

protected:
    TFramedControl() = default;

    // Paints the client rectangle of the picture (the frame is done).
    virtual void PaintClient(TMediaBitmap& picture);
    // The frame changed its widths or looks.
    virtual void FrameChanged() { Repaint(); }

    void Repaint() const { InvalidateInParent(); }
    void AppearanceChanged() override { Repaint(); }

private:
    template <class T> void ChangeFrame(T& field, T value) {
        if (field == value)
            return;
        field = value;
        FrameChanged();
    }

    TFrame frame_;
};

} // namespace controls
