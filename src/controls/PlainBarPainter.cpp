#include "controls/PlainBarPainter.h"

#include "controls/Numeric.h"

namespace controls {

void TPlainBarPainter::DrawBackground(TMediaBitmap& buffer, const TProgressRange& range, int width,
                                      int height, TColor color) {
    TRect inside{0, 0, width, height};
    if (range.ShowBorder()) {
        buffer.FillRect({0, 0, width, 1}, clBtnShadow);
        buffer.FillRect({0, 1, 1, height}, clBtnShadow);
        buffer.FillRect({1, height - 1, width, height}, clBtnHighlight);
        buffer.FillRect({width - 1, 1, width, height - 1}, clBtnHighlight);
        inside = Inflate(inside, -1);
    }
    buffer.FillRect(inside, color);
}

void TPlainBarPainter::DrawProgress(TMediaBitmap& buffer, const TProgressRange& range, int width,
                                    int height) {
    TRect filled = range.FilledRect(width, height);
    if (range.Smooth()) {
        buffer.FillRect(filled, clHighlight);
        return;
    }
    if (range.Fraction(range.Position()) < 0.01f)
        return;
    bool horizontal = range.Orientation() == TBarOrientation::boHorizontal;
    TRect whole = range.ProgressRect(width, height);
    int thickness = horizontal ? whole.Height() : whole.Width();
    int block = static_cast<int>(RoundHalfEven(0.64L * thickness));
    if (block <= 0)
        return;
    // Blocks start at the bar's start: the left, or the bottom when vertical.
    for (int offset = 0;; offset += block + 2) {
        TRect piece =
            horizontal
                ? TRect{filled.left + offset, filled.top, filled.left + offset + block, filled.bottom}
                : TRect{filled.left, filled.bottom - offset - block, filled.right, filled.bottom - offset};
        piece = Intersect(piece, filled);
        if (piece.IsEmpty())
            return;
        buffer.FillRect(piece, clHighlight);
    }
}

} // namespace controls
