#pragma once

#include "controls/Color.h"
#include "controls/MediaBitmap.h"
#include "controls/Rect.h"

#include <cstdint>

namespace controls {

enum class TFrameStyleEx {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded,
};

// Which sides of a control get frames (a set of these bits).
enum TBorderSide : uint8_t { bsLeft = 1, bsTop = 2, bsRight = 4, bsBottom = 8 };
inline constexpr uint8_t kAllBorderSides = bsLeft | bsTop | bsRight | bsBottom;

// The frame of a framed control: an outer frame, a band of BorderColor, an
// inner frame, and inside them the client area.
struct TFrame {
    TFrameStyleEx outer = TFrameStyleEx::fsNone;
    TFrameStyleEx inner = TFrameStyleEx::fsNone;
    int borderWidth = 0;
    TColor borderColor = clBtnFace;
    uint8_t sides = kAllBorderSides;
    TColor flatColor = clBtnShadow;
    // Added to each channel of the flat colour (brighter when positive).
    int flatColorAdjustment = 0;
    // The width of the status and popup styles.
    int bevelWidth = 1;
};

// Bevels wider than this are taken as this wide: any wider would only hide
// the control and cost time.
inline constexpr int kMaxBevelWidth = 1000;

// The width a style takes from each framed side.
int FrameWidth(TFrameStyleEx style, int bevelWidth);

// The inside of the frame for a control occupying `bounds`.
TRect FrameClientRect(TRect bounds, const TFrame& frame);

// Paints the frame and the band, leaving the client area alone.
void PaintFrame(TMediaBitmap& target, TRect bounds, const TFrame& frame);

// A one-pixel outline on the rectangle's edge.
void DrawOutline(TMediaBitmap& target, TRect rect, TColor color);

} // namespace controls
