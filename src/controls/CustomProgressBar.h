#pragma once

#include "controls/BufferedControl.h"
#include "controls/ProgressRange.h"

namespace controls {

// A bar that shows the share Position/Max of its length. This generic bar
// draws a sunken frame and highlight blocks; derived bars draw their own.
class TCustomProgressBar : public TBufferedControl {
public:
    int Min() const { return range_.Min(); }
    void SetMin(int min) { Apply(range_.SetMin(min)); }
    int Max() const { return range_.Max(); }
    void SetMax(int max) { Apply(range_.SetMax(max)); }
    int Position() const { return range_.Position(); }
    // Repaints (at once, pending messages included) only when the filled
    // share changes.
    void SetPosition(int position);
    TBarOrientation Orientation() const { return range_.Orientation(); }
    void SetOrientation(TBarOrientation orientation) { Apply(range_.SetOrientation(orientation)); }
    int BorderWidth() const { return range_.BorderWidth(); }
    void SetBorderWidth(int width) { Apply(range_.SetBorderWidth(width)); }
    bool ShowBorder() const { return range_.ShowBorder(); }
    void SetShowBorder(bool show) { Apply(range_.SetShowBorder(show)); }
    bool Smooth() const { return range_.Smooth(); }
    void SetSmooth(bool smooth) { Apply(range_.SetSmooth(smooth)); }

    virtual TRect GetProgressRect() const { return range_.ProgressRect(Width(), Height()); }

protected:
    TCustomProgressBar();

    const TProgressRange& Range() const { return range_; }

    // Base fill, then the background, then the progress over it.
    void PaintBuffer(TMediaBitmap& buffer) override;
    virtual void DrawProgress(TMediaBitmap& buffer);
    virtual void DrawBackground(TMediaBitmap& buffer);

private:
    void Apply(bool repaint) {
        if (repaint)
            InvalidatePicture();
    }

    TProgressRange range_;
};

} // namespace controls
