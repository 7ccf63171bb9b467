#include "controls/FrameStyle.h"

#include <algorithm>
#include <vector>

namespace controls {

namespace {

constexpr TColor clShadow = clBtnShadow;
constexpr TColor clHilight = clBtnHighlight;
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);

enum class TLineShape { Full, NoCorners, CornersOnly };

// One line of a frame: the colour of its top and left sides and that of its
// bottom and right sides.
struct TFrameLine {
    TPixel topLeft;
    TPixel bottomRight;
    TLineShape shape = TLineShape::Full;
};

TRect Shrink(TRect r, uint8_t sides, int by) {
    return {r.left + (sides & bsLeft ? by : 0), r.top + (sides & bsTop ? by : 0),
            r.right - (sides & bsRight ? by : 0), r.bottom - (sides & bsBottom ? by : 0)};
}

TPixel AdjustedFlatColor(const TFrame& frame) {
    TPixel pixel = ColorToPixel(frame.flatColor);
    auto adjust = [&](int shift) {
        int adjustment = std::clamp(frame.flatColorAdjustment, -255, 255);
        return static_cast<uint32_t>(std::clamp(Channel(pixel, shift) + adjustment, 0, 255));
    };
    return MakePixel(255, adjust(16), adjust(8), adjust(0));
}

std::vector<TFrameLine> Bevel(TColor topLeft, TColor bottomRight, int count) {
    return std::vector<TFrameLine>(static_cast<size_t>(std::clamp(count, 0, kMaxBevelWidth)),
                                   {ColorToPixel(topLeft), ColorToPixel(bottomRight)});
}

std::vector<TFrameLine> Edge(TColor outerTopLeft, TColor outerBottomRight, TColor innerTopLeft,
                             TColor innerBottomRight) {
    return {{ColorToPixel(outerTopLeft), ColorToPixel(outerBottomRight)},
            {ColorToPixel(innerTopLeft), ColorToPixel(innerBottomRight)}};
}

// The lines of a style, outermost first.
std::vector<TFrameLine> Lines(TFrameStyleEx style, const TFrame& frame) {
    TPixel flat = AdjustedFlatColor(frame);
    switch (style) {
    case TFrameStyleEx::fsNone:
        return {};
    case TFrameStyleEx::fsFlat:
        return {{flat, flat}};
    case TFrameStyleEx::fsGroove:
        return Edge(clShadow, clHilight, clHilight, clShadow);
    case TFrameStyleEx::fsBump:
        return Edge(clHilight, clShadow, clShadow, clHilight);
    case TFrameStyleEx::fsLowered:
        return Edge(clShadow, clHilight, cl3DDkShadow, cl3DLight);
    case TFrameStyleEx::fsButtonDown:
        return Edge(cl3DDkShadow, clHilight, clShadow, cl3DLight);
    case TFrameStyleEx::fsRaised:
        return Edge(cl3DLight, cl3DDkShadow, clHilight, clShadow);
    case TFrameStyleEx::fsButtonUp:
        return Edge(clHilight, cl3DDkShadow, cl3DLight, clShadow);
    case TFrameStyleEx::fsStatus:
        return Bevel(clShadow, clHilight, frame.bevelWidth);
    case TFrameStyleEx::fsPopup:
        return Bevel(clHilight, clShadow, frame.bevelWidth);
    case TFrameStyleEx::fsFlatBold:
        return {{flat, flat}, {flat, flat}};
    case TFrameStyleEx::fsFlatRounded:
        // The outer line leaves its corners out and the inner one has only
        // its corners, which rounds them.
        return {{flat, flat, TLineShape::NoCorners}, {flat, flat, TLineShape::CornersOnly}};
    }
    return {};
}

void PaintCorners(TMediaBitmap& target, TRect r, TPixel pixel) {
    for (TRect dot :
         {TRect{r.left, r.top, r.left + 1, r.top + 1}, TRect{r.right - 1, r.top, r.right, r.top + 1},
          TRect{r.left, r.bottom - 1, r.left + 1, r.bottom},
          TRect{r.right - 1, r.bottom - 1, r.right, r.bottom}})
        target.FillPixels(dot, pixel);
}

void PaintLine(TMediaBitmap& target, TRect r, uint8_t sides, const TFrameLine& line) {
    if (line.shape == TLineShape::CornersOnly) {
        PaintCorners(target, r, line.topLeft);
        return;
    }
    int skip = line.shape == TLineShape::NoCorners ? 1 : 0;
    if (sides & bsTop)
        target.FillPixels({r.left + skip, r.top, r.right - skip, r.top + 1}, line.topLeft);
    if (sides & bsLeft)
        target.FillPixels({r.left, r.top + skip, r.left + 1, r.bottom - skip}, line.topLeft);
    // The bottom and right sides own the two corners the lines share.
    if (sides & bsBottom)
        target.FillPixels({r.left + skip, r.bottom - 1, r.right - skip, r.bottom}, line.bottomRight);
    if (sides & bsRight)
        target.FillPixels({r.right - 1, r.top + skip, r.right, r.bottom - skip}, line.bottomRight);
}

// Paints a style's lines from the rectangle inwards; answers what is left.
TRect PaintStyle(TMediaBitmap& target, TRect r, TFrameStyleEx style, const TFrame& frame) {
    for (const TFrameLine& line : Lines(style, frame)) {
        PaintLine(target, r, frame.sides, line);
        r = Shrink(r, frame.sides, 1);
    }
    return r;
}

} // namespace

int FrameWidth(TFrameStyleEx style, int bevelWidth) {
    switch (style) {
    case TFrameStyleEx::fsNone:
        return 0;
    case TFrameStyleEx::fsFlat:
        return 1;
    case TFrameStyleEx::fsStatus:
    case TFrameStyleEx::fsPopup:
        return std::clamp(bevelWidth, 0, kMaxBevelWidth);
    default:
        return 2;
    }
}

TRect FrameClientRect(TRect bounds, const TFrame& frame) {
    TRect r = Shrink(bounds, kAllBorderSides, frame.borderWidth);
    r = Shrink(r, frame.sides, FrameWidth(frame.outer, frame.bevelWidth));
    return Shrink(r, frame.sides, FrameWidth(frame.inner, frame.bevelWidth));
}

void PaintFrame(TMediaBitmap& target, TRect bounds, const TFrame& frame) {
    // The band colour first, under everything the lines leave out.
    TRect client = FrameClientRect(bounds, frame);
    TPixel band = ColorToPixel(frame.borderColor);
    target.FillPixels({bounds.left, bounds.top, bounds.right, client.top}, band);
    target.FillPixels({bounds.left, client.bottom, bounds.right, bounds.bottom}, band);
    target.FillPixels({bounds.left, client.top, client.left, client.bottom}, band);
    target.FillPixels({client.right, client.top, bounds.right, client.bottom}, band);
    TRect r = PaintStyle(target, bounds, frame.outer, frame);
    PaintStyle(target, Shrink(r, kAllBorderSides, frame.borderWidth), frame.inner, frame);
}

void DrawOutline(TMediaBitmap& target, TRect rect, TColor color) {
    TPixel pixel = ColorToPixel(color);
    PaintLine(target, rect, kAllBorderSides, {pixel, pixel});
}

} // namespace controls
