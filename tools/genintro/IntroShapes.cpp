#include "IntroShapes.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace genintro {
namespace {

int32_t Twip(double v) { return static_cast<int32_t>(std::lround(v)); }

struct Point {
    double X, Y;
};

void Polyline(Pen& pen, double x, double y, std::initializer_list<Point> points) {
    bool first = true;
    for (Point p : points) {
        if (first)
            pen.MoveTo(x + p.X, y + p.Y);
        else
            pen.LineTo(x + p.X, y + p.Y);
        first = false;
    }
}

} // namespace

void Pen::MoveTo(double x, double y) { shape_.MoveTo(Twip(x), Twip(y)); }
void Pen::LineTo(double x, double y) { shape_.LineTo(Twip(x), Twip(y)); }
void Pen::CurveTo(double cx, double cy, double x, double y) {
    shape_.CurveTo(Twip(cx), Twip(cy), Twip(x), Twip(y));
}

void Pen::ArcTo(double cx, double cy, double r, double a0, double a1) { EllipseArc(cx, cy, r, r, a0, a1); }

// Quadratic pieces of at most 45 degrees: each control point lies where the
// tangents at the piece's ends meet.
void Pen::EllipseArc(double cx, double cy, double rx, double ry, double a0, double a1) {
    int steps = std::max(1, static_cast<int>(std::ceil(std::abs(a1 - a0) / (std::numbers::pi / 4) - 1e-9)));
    double step = (a1 - a0) / steps, stretch = 1 / std::cos(step / 2);
    for (int i = 0; i < steps; ++i) {
        double from = a0 + step * i, to = from + step, mid = (from + to) / 2;
        CurveTo(cx + rx * stretch * std::cos(mid), cy + ry * stretch * std::sin(mid), cx + rx * std::cos(to),
                cy + ry * std::sin(to));
    }
}

void Pen::Circle(double cx, double cy, double r) { Ellipse(cx, cy, r, r); }

void Pen::Ellipse(double cx, double cy, double rx, double ry) {
    MoveTo(cx + rx, cy);
    EllipseArc(cx, cy, rx, ry, 0, 2 * std::numbers::pi);
}

void Band(Pen& pen, double inner, double outer, double a0, double a1) {
    pen.MoveTo(outer * std::cos(a0), outer * std::sin(a0));
    pen.ArcTo(0, 0, outer, a0, a1);
    pen.LineTo(inner * std::cos(a1), inner * std::sin(a1));
    pen.ArcTo(0, 0, inner, a1, a0);
    pen.LineTo(outer * std::cos(a0), outer * std::sin(a0));
}

void Letter(Pen& pen, char letter, double x, double y) {
    switch (letter) {
    case 'K':
        Polyline(pen, x, y, {{0, 0}, {0, 720}});
        Polyline(pen, x, y, {{520, 0}, {40, 400}});
        Polyline(pen, x, y, {{210, 260}, {540, 720}});
        return;
    case 'O':
        pen.Ellipse(x + 280, y + 360, 280, 360);
        return;
    case 'R':
        Polyline(pen, x, y, {{0, 720}, {0, 0}, {300, 0}});
        pen.CurveTo(x + 520, y + 0, x + 520, y + 190);
        pen.CurveTo(x + 520, y + 380, x + 300, y + 380);
        pen.LineTo(x + 0, y + 380);
        Polyline(pen, x, y, {{280, 380}, {540, 720}});
        return;
    case 'V':
        Polyline(pen, x, y, {{0, 0}, {280, 720}, {560, 0}});
        return;
    case 'A':
        Polyline(pen, x, y, {{0, 720}, {280, 0}, {560, 720}});
        Polyline(pen, x, y, {{110, 460}, {450, 460}});
        return;
    case 'L':
        Polyline(pen, x, y, {{0, 0}, {0, 720}, {500, 720}});
        return;
    case 'E':
        Polyline(pen, x, y, {{500, 0}, {0, 0}, {0, 720}, {500, 720}});
        Polyline(pen, x, y, {{0, 360}, {420, 360}});
        return;
    case 'N':
        Polyline(pen, x, y, {{0, 720}, {0, 0}, {560, 720}, {560, 0}});
        return;
    }
    throw std::invalid_argument("the word mark has no outline for this letter");
}

} // namespace genintro
