#pragma once

#include "swf/Matrix.h"

namespace swf {

class Canvas;

// A clip's scroll rectangle (scripts' scrollRect), in its own pixels: the
// clip shows only this part of itself, moved to its origin.
struct ScrollRect {
    double X = 0, Y = 0, Width = 0, Height = 0;

    // What the clip's content is drawn through: its own transform after the
    // move of the rectangle's corner to the origin.
    Matrix ContentTransform(const Matrix& toDevice) const;
};

// Clips what follows on the canvas to the rectangle (0, 0, width, height)
// of the clip placed by `toDevice`, partly covered edge pixels in part.
// A turned or skewed clip is clipped to the device box around its
// rectangle. Pop it with Canvas::PopMask.
void PushScrollMask(Canvas& canvas, const Matrix& toDevice, const ScrollRect& rect);

} // namespace swf
