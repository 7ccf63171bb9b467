#pragma once

#include "swf/Matrix.h"
#include "swf/Rasterizer.h"
#include "swf/Shape.h"

#include <vector>

namespace swf {

struct StrokeStyle {
    double HalfWidth = 0.5; // device pixels
    Cap StartCap = Cap::Round, EndCap = Cap::Round;
    Join JoinStyle = Join::Round;
    double MiterLimit = 3;
    double Tolerance = 0.2;
};

// Outlines a polyline as separate pieces (a quad per segment, a wedge per
// join, the caps), each oriented the same way so that the non-zero rule
// fills their union. Wedges sit only on the outer side of each turn, so the
// pieces meet edge to edge there and the outline stays smooth when
// anti-aliased.
class Stroker {
public:
    Stroker(const StrokeStyle& style, uint32_t fill, std::vector<RasterEdge>& out)
        : style_(style), fill_(fill), out_(out) {}

    void Stroke(const std::vector<Point>& points, bool closed);

private:
    void Segment(Point p, Point q);
    void JoinAt(Point q, Point u1, Point u2);
    void CapAt(Point p, Point u, Cap cap);
    void Dot(Point p);
    void Polygon(std::vector<Point>& points);

    StrokeStyle style_;
    uint32_t fill_;
    std::vector<RasterEdge>& out_;
};

} // namespace swf
