#include "swf/Flatten.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace swf {
namespace {

// Beyond this a curve is too big to be seen whole anyway; the cap keeps
// hostile coordinates from producing millions of segments.
constexpr int MaxPieces = 256;

// Round joins and caps have at least eight chords per quarter turn, one
// ending on each multiple of 45 degrees: the plug-in's low-quality joins
// light the pixel on the diagonal of a corner and leave out those just
// beside it that a finer arc would take.
constexpr double MaxArcStep = std::numbers::pi / 16;

double OnGrid(double v, double grid) { return grid > 0 ? std::floor(v * grid + 0.5) / grid : v; }

} // namespace

void FlattenQuad(Point p0, Point c, Point p1, Flattening flattening, std::vector<Point>& out) {
    double tolerance = flattening.Tolerance;
    double dx = p0.X - 2 * c.X + p1.X, dy = p0.Y - 2 * c.Y + p1.Y;
    double dd = std::hypot(dx, dy);
    int pieces = 1;
    if (std::isfinite(dd))
        pieces =
            static_cast<int>(std::clamp(std::ceil(std::sqrt(dd / (4 * tolerance))), 1.0, double(MaxPieces)));
    for (int i = 1; i < pieces; ++i) {
        double t = double(i) / pieces, s = 1 - t;
        out.push_back({OnGrid(s * s * p0.X + 2 * s * t * c.X + t * t * p1.X, flattening.Grid),
                       OnGrid(s * s * p0.Y + 2 * s * t * c.Y + t * t * p1.Y, flattening.Grid)});
    }
    out.push_back(p1);
}

void AppendArc(Point centre, double radius, double a0, double a1, double tolerance, std::vector<Point>& out) {
    double step =
        radius > tolerance ? std::min(2 * std::acos(1 - tolerance / radius), MaxArcStep) : MaxArcStep;
    int pieces = static_cast<int>(std::clamp(std::ceil(std::fabs(a1 - a0) / step), 1.0, double(MaxPieces)));
    for (int i = 1; i <= pieces; ++i) {
        double a = a0 + (a1 - a0) * i / pieces;
        out.push_back({centre.X + radius * std::cos(a), centre.Y + radius * std::sin(a)});
    }
}

} // namespace swf
