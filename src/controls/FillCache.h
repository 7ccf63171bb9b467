#pragma once

#include "controls/FillRegistry.h"
#include "controls/MediaBitmap.h"

#include <array>

namespace controls {

// The off-screen picture of a fill. It is redrawn only when something it
// shows changed, and for fills that do not depend on the size it grows in
// 64-pixel steps and never shrinks, so that moving or slightly resizing the
// control costs no redrawing.
class TFillCache {
public:
    static constexpr int kStep = 64;
    // The size the picture needs for a control of `control` pixels.
    static TPoint SizeFor(TPoint current, TPoint control, bool exactSize);

    void MarkDirty() { dirty_ = true; }
    bool Dirty() const { return dirty_; }

    // Brings the picture up to date for the control, then answers it. The
    // colours are compared as shown, so that a changed system colour or a
    // changed parent colour redraws it too.
    TMediaBitmap& Update(TPoint control, const TFillEntry& fill, const TFillColors& colors,
                         const TMediaBitmap* bitmap);
    const TMediaBitmap& Picture() const { return picture_; }

private:
    TMediaBitmap picture_;
    std::array<TPixel, 3> shown_{};
    bool dirty_ = true;
};

} // namespace controls
