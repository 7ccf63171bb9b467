#pragma once

#include "swf/Canvas.h"
#include "swf/FillContours.h"
#include "swf/Paint.h"

#include <memory>
#include <vector>

namespace swf {

// How a character is drawn: shape space to device pixels, and the colour
// transform in force.
struct DrawState {
    Matrix ToDevice;
    ColorTransform Colors;
};

// Draws shapes onto a canvas (or into the mask it is building), layer by
// layer: each layer's fills in one pass, then its strokes one style at a
// time.
class ShapeRenderer {
public:
    ShapeRenderer(Canvas& canvas, const BitmapLookup& bitmaps) : canvas_(canvas), bitmaps_(bitmaps) {}

    // With `solid`, every fill is painted in that colour (glyphs of text).
    void Draw(const DrawableShape& shape, const DrawState& state, const Rgba* solid = nullptr);

private:
    void DrawFills(const DrawableShape& shape, const FillLayer& layer, const DrawState& state,
                   const Rgba* solid);
    void DrawStroke(const Shape& shape, uint32_t layer, uint32_t line, const DrawState& state);
    std::unique_ptr<Paint> PaintFor(const FillStyle& fill, const DrawState& state, const Rgba* solid) const;
    void Run(const std::vector<RasterEdge>& edges, uint32_t fills, FillRule rule,
             const std::vector<std::unique_ptr<Paint>>& paints);

    Canvas& canvas_;
    const BitmapLookup& bitmaps_;
    std::vector<RasterEdge> edges_;
    std::vector<Point> points_;
};

} // namespace swf
