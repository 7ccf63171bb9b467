#pragma once

#include "controls/CustomProgressBar.h"
#include "controls/MediaBarPainter.h"
#include "controls/MediaBars.h"

namespace controls {

// The player's drawn bar: a background style and frame over the whole bar,
// a progress style and frame over the filled part (see TMediaBarPainter).
class TMediaProgressBar : public TCustomProgressBar {
public:
    TMediaProgressBar();

    TMediaBackground& Background() { return painter_.Background(); }
    TMediaBorder& Border() { return painter_.Border(); }
    TMediaBackground& ProgressBackground() { return painter_.ProgressBackground(); }
    TMediaBorder& ProgressBorder() { return painter_.ProgressBorder(); }
    // Assigning copies the fields into the bar's own style objects.
    void SetBackground(const TMediaBackground& style) { Background().Assign(style); }
    void SetBorder(const TMediaBorder& style) { Border().Assign(style); }
    void SetProgressBackground(const TMediaBackground& style) { ProgressBackground().Assign(style); }
    void SetProgressBorder(const TMediaBorder& style) { ProgressBorder().Assign(style); }

    // After the stored properties are set: the progress inset follows the
    // frame's width.
    void Loaded() { SetBorderWidth(Border().Width()); }

    // Gives the bar the values and styles of one of the main window's bars.
    void SetUp(const TMediaBarSetup& setup, const TMediaBitmapList* bitmaps);

protected:
    void DrawProgress(TMediaBitmap& buffer) override;
    void DrawBackground(TMediaBitmap& buffer) override;

private:
    TMediaBarPainter painter_;
};

} // namespace controls
