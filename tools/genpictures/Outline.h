#pragma once

#include <initializer_list>
#include <vector>

namespace genpictures {

struct Point {
    double X = 0, Y = 0;
};

struct Box {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Closed contours in picture units (pixels of the design size), made of
// lines and quadratic curves, as a SWF shape records them. Filled
// even-odd, so an inner contour cuts a hole.
class Outline {
public:
    struct Step {
        enum Kind { Move, Line, Curve } Type;
        Point Control, To;
    };

    Outline& MoveTo(Point p);
    Outline& LineTo(Point p);
    Outline& CurveTo(Point control, Point to);
    // Along the ellipse about `centre` from angle a0 to a1 (radians,
    // clockwise on screen from the x axis); the current point should be
    // where a0 lies.
    Outline& ArcTo(Point centre, double rx, double ry, double a0, double a1);
    // Back to where the contour began.
    Outline& Close();

    Outline& Polygon(std::initializer_list<Point> points);
    Outline& Rect(double x, double y, double w, double h);
    Outline& RoundRect(double x, double y, double w, double h, double r);
    Outline& Ellipse(Point centre, double rx, double ry);
    Outline& Circle(Point centre, double r) { return Ellipse(centre, r, r); }
    // A band between two radii from angle a0 to a1.
    Outline& Sector(Point centre, double inner, double outer, double a0, double a1);
    // A straight bar of the given width between two points, square ends.
    Outline& Bar(Point from, Point to, double width);
    Outline& Add(const Outline& other);

    Outline Rotated(double angle, Point centre) const;
    Outline Moved(double dx, double dy) const;
    // Scaled about `centre`.
    Outline Scaled(double sx, double sy, Point centre) const;

    // Holds every point, control points included.
    Box Bounds() const;
    const std::vector<Step>& Steps() const { return steps_; }

private:
    template <class Map> Outline Mapped(Map map) const;

    std::vector<Step> steps_;
    Point start_, current_;
};

} // namespace genpictures
