#pragma once

#include "swf/Matrix.h"
#include "swf/Quality.h"

#include <vector>

namespace swf {

// Appends the points of a quadratic curve from p0 through control c to p1
// (p0 itself excluded), close enough that no point of the curve is farther
// than the tolerance from the polyline, the points between the ends on the
// flattening's grid when it has one. Coordinates are device pixels, so the
// subdivision follows the output scale.
void FlattenQuad(Point p0, Point c, Point p1, Flattening flattening, std::vector<Point>& out);

// Appends points of a circular arc around `centre` from angle a0 to a1
// (radians, either direction), the end point included.
void AppendArc(Point centre, double radius, double a0, double a1, double tolerance, std::vector<Point>& out);

} // namespace swf
