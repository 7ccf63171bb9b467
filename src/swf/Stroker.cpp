#include "swf/Stroker.h"

#include "swf/Flatten.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace swf {
namespace {

Point Add(Point a, Point b, double k) { return {a.X + b.X * k, a.Y + b.Y * k}; }
Point Normal(Point u) { return {-u.Y, u.X}; }
double Cross(Point a, Point b) { return a.X * b.Y - a.Y * b.X; }
double DotProduct(Point a, Point b) { return a.X * b.X + a.Y * b.Y; }
double Angle(Point v) { return std::atan2(v.Y, v.X); }

bool Direction(Point p, Point q, Point& u) {
    double len = std::hypot(q.X - p.X, q.Y - p.Y);
    if (!(len > 1e-9))
        return false;
    u = {(q.X - p.X) / len, (q.Y - p.Y) / len};
    return true;
}

// Drops repeated points so every segment has a direction.
std::vector<Point> Distinct(const std::vector<Point>& points) {
    std::vector<Point> out;
    for (Point p : points) {
        Point u;
        if (out.empty() || Direction(out.back(), p, u))
            out.push_back(p);
    }
    return out;
}

} // namespace

void Stroker::Stroke(const std::vector<Point>& input, bool closed) {
    std::vector<Point> points = Distinct(input);
    if (closed && points.size() > 2 && points.front() == points.back())
        points.pop_back();
    else
        closed = closed && points.size() > 2;
    if (points.size() == 1) {
        Dot(points[0]);
        return;
    }
    size_t n = points.size();
    size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i)
        Segment(points[i], points[(i + 1) % n]);
    for (size_t i = closed ? 0 : 1; i < (closed ? n : n - 1); ++i) {
        Point prev = points[(i + n - 1) % n], here = points[i], next = points[(i + 1) % n];
        Point u1, u2;
        Direction(prev, here, u1);
        Direction(here, next, u2);
        JoinAt(here, u1, u2);
    }
    if (!closed) {
        Point u;
        Direction(points[1], points[0], u);
        CapAt(points[0], u, style_.StartCap);
        Direction(points[n - 2], points[n - 1], u);
        CapAt(points[n - 1], u, style_.EndCap);
    }
}

void Stroker::Segment(Point p, Point q) {
    Point u;
    if (!Direction(p, q, u))
        return;
    Point n = Normal(u);
    double h = style_.HalfWidth;
    std::vector<Point> quad{Add(p, n, h), Add(q, n, h), Add(q, n, -h), Add(p, n, -h)};
    Polygon(quad);
}

void Stroker::JoinAt(Point q, Point u1, Point u2) {
    double turn = Cross(u1, u2);
    if (std::fabs(turn) < 1e-9 && DotProduct(u1, u2) > 0)
        return;
    double side = turn > 0 ? -1 : 1; // the outer side of the turn
    double h = style_.HalfWidth;
    Point a = Add(q, Normal(u1), side * h), b = Add(q, Normal(u2), side * h);
    std::vector<Point> wedge{q, a};
    if (style_.JoinStyle == Join::Round) {
        double a0 = Angle({a.X - q.X, a.Y - q.Y}), a1 = Angle({b.X - q.X, b.Y - q.Y});
        double sweep = std::remainder(a1 - a0, 2 * std::numbers::pi);
        AppendArc(q, h, a0, a0 + sweep, style_.Tolerance, wedge);
    } else {
        Point bisector{Normal(u1).X + Normal(u2).X, Normal(u1).Y + Normal(u2).Y};
        double half = std::hypot(bisector.X, bisector.Y) / 2; // cosine of half the turn
        // The limit counts line widths from the joint to the tip (not half
        // widths): a right angle keeps its point even at the lowest limit.
        if (style_.JoinStyle == Join::Miter && half > 1e-9 && 1 / half <= 2 * style_.MiterLimit)
            wedge.push_back(Add(q, bisector, side * h / (2 * half * half)));
        wedge.push_back(b);
    }
    Polygon(wedge);
}

// `u` points away from the line, out of its end.
void Stroker::CapAt(Point p, Point u, Cap cap) {
    double h = style_.HalfWidth;
    Point n = Normal(u);
    std::vector<Point> piece{Add(p, n, h)};
    if (cap == Cap::Round) {
        double a0 = Angle(n);
        AppendArc(p, h, a0, a0 - std::numbers::pi, style_.Tolerance, piece);
    } else if (cap == Cap::Square) {
        piece.push_back(Add(Add(p, n, h), u, h));
        piece.push_back(Add(Add(p, n, -h), u, h));
        piece.push_back(Add(p, n, -h));
    } else {
        return;
    }
    Polygon(piece);
}

// A line of no length still shows where it is, as its caps would.
void Stroker::Dot(Point p) {
    double h = style_.HalfWidth;
    std::vector<Point> piece;
    if (style_.StartCap == Cap::Round) {
        AppendArc(p, h, 0, 2 * std::numbers::pi, style_.Tolerance, piece);
    } else if (style_.StartCap == Cap::Square) {
        piece = {{p.X - h, p.Y - h}, {p.X + h, p.Y - h}, {p.X + h, p.Y + h}, {p.X - h, p.Y + h}};
    }
    if (piece.size() > 2)
        Polygon(piece);
}

void Stroker::Polygon(std::vector<Point>& points) {
    double area = 0;
    for (size_t i = 0; i < points.size(); ++i)
        area += Cross(points[i], points[(i + 1) % points.size()]);
    if (area < 0)
        std::reverse(points.begin(), points.end());
    for (size_t i = 0; i < points.size(); ++i) {
        Point a = points[i], b = points[(i + 1) % points.size()];
        out_.push_back({float(a.X), float(a.Y), float(b.X), float(b.Y), fill_});
    }
}

} // namespace swf
