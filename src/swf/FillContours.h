#pragma once

#include "swf/Shape.h"

#include <utility>
#include <vector>

namespace swf {

// An edge of one fill's outline, directed so that the fill lies on its
// right-hand side.
struct FillEdge {
    Point From;
    Segment Edge;
    uint32_t Fill = 0; // 1-based style index
};

// The fill outlines of one layer of a shape.
struct FillLayer {
    std::vector<FillEdge> Edges;
};

// Splits a shape's edges by the fills on either side and orients them, so
// each fill can be drawn from its own closed outline. Paths need not close:
// an outline left open is closed with a straight line back to where its
// chain began, which keeps its fill from running off to the right.
std::vector<FillLayer> BuildFillLayers(const Shape& shape);

} // namespace swf

namespace swf {

// A shape with its fill outlines worked out once, ready to draw.
struct DrawableShape {
    explicit DrawableShape(Shape shape) : Source(std::move(shape)), FillLayers(BuildFillLayers(Source)) {}
    Shape Source;
    std::vector<FillLayer> FillLayers;
};

} // namespace swf
