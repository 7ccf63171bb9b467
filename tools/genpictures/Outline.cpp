#include "Outline.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace genpictures {
namespace {

Point OnEllipse(Point c, double rx, double ry, double a) {
    return {c.X + rx * std::cos(a), c.Y + ry * std::sin(a)};
}

} // namespace

Outline& Outline::MoveTo(Point p) {
    steps_.push_back({Step::Move, {}, p});
    start_ = current_ = p;
    return *this;
}

Outline& Outline::LineTo(Point p) {
    steps_.push_back({Step::Line, {}, p});
    current_ = p;
    return *this;
}

Outline& Outline::CurveTo(Point control, Point to) {
    steps_.push_back({Step::Curve, control, to});
    current_ = to;
    return *this;
}

Outline& Outline::ArcTo(Point centre, double rx, double ry, double a0, double a1) {
    // A quadratic curve stays within a hair of a circle over 45 degrees.
    int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(a1 - a0) / (std::numbers::pi / 4))));
    double step = (a1 - a0) / pieces;
    double reach = 1 / std::cos(step / 2);
    for (int i = 0; i < pieces; ++i) {
        double from = a0 + step * i, to = from + step;
        CurveTo(OnEllipse(centre, rx * reach, ry * reach, (from + to) / 2), OnEllipse(centre, rx, ry, to));
    }
    return *this;
}

Outline& Outline::Close() {
    if (current_.X != start_.X || current_.Y != start_.Y)
        LineTo(start_);
    return *this;
}

Outline& Outline::Polygon(std::initializer_list<Point> points) {
    bool first = true;
    for (Point p : points) {
        if (first)
            MoveTo(p);
        else
            LineTo(p);
        first = false;
    }
    return Close();
}

Outline& Outline::Rect(double x, double y, double w, double h) {
    return Polygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
}

Outline& Outline::RoundRect(double x, double y, double w, double h, double r) {
    constexpr double Quarter = std::numbers::pi / 2;
    MoveTo({x + r, y});
    LineTo({x + w - r, y});
    ArcTo({x + w - r, y + r}, r, r, -Quarter, 0);
    LineTo({x + w, y + h - r});
    ArcTo({x + w - r, y + h - r}, r, r, 0, Quarter);
    LineTo({x + r, y + h});
    ArcTo({x + r, y + h - r}, r, r, Quarter, 2 * Quarter);
    LineTo({x, y + r});
    ArcTo({x + r, y + r}, r, r, 2 * Quarter, 3 * Quarter);
    return Close();
}

Outline& Outline::Ellipse(Point centre, double rx, double ry) {
    MoveTo({centre.X + rx, centre.Y});
    ArcTo(centre, rx, ry, 0, 2 * std::numbers::pi);
    return Close();
}

Outline& Outline::Sector(Point centre, double inner, double outer, double a0, double a1) {
    MoveTo(OnEllipse(centre, outer, outer, a0));
    ArcTo(centre, outer, outer, a0, a1);
    LineTo(OnEllipse(centre, inner, inner, a1));
    ArcTo(centre, inner, inner, a1, a0);
    return Close();
}

Outline& Outline::Bar(Point from, Point to, double width) {
    double dx = to.X - from.X, dy = to.Y - from.Y, length = std::hypot(dx, dy);
    double nx = -dy / length * width / 2, ny = dx / length * width / 2;
    return Polygon({{from.X + nx, from.Y + ny},
                    {to.X + nx, to.Y + ny},
                    {to.X - nx, to.Y - ny},
                    {from.X - nx, from.Y - ny}});
}

Outline& Outline::Add(const Outline& other) {
    steps_.insert(steps_.end(), other.steps_.begin(), other.steps_.end());
    start_ = other.start_;
    current_ = other.current_;
    return *this;
}

template <class Map> Outline Outline::Mapped(Map map) const {
    Outline out = *this;
    for (Step& step : out.steps_) {
        step.Control = map(step.Control);
        step.To = map(step.To);
    }
    out.start_ = map(start_);
    out.current_ = map(current_);
    return out;
}

Outline Outline::Rotated(double angle, Point centre) const {
    double c = std::cos(angle), s = std::sin(angle);
    return Mapped([&](Point p) {
        double x = p.X - centre.X, y = p.Y - centre.Y;
        return Point{centre.X + x * c - y * s, centre.Y + x * s + y * c};
    });
}

Outline Outline::Moved(double dx, double dy) const {
    return Mapped([&](Point p) { return Point{p.X + dx, p.Y + dy}; });
}

Outline Outline::Scaled(double sx, double sy, Point centre) const {
    return Mapped([&](Point p) {
        return Point{centre.X + (p.X - centre.X) * sx, centre.Y + (p.Y - centre.Y) * sy};
    });
}

Box Outline::Bounds() const {
    constexpr double Far = std::numeric_limits<double>::max();
    Box box{Far, Far, -Far, -Far};
    auto grow = [&box](Point p) {
        box = {std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X),
               std::max(box.Bottom, p.Y)};
    };
    for (const Step& step : steps_) {
        if (step.Type == Step::Curve)
            grow(step.Control);
        grow(step.To);
    }
    return steps_.empty() ? Box{} : box;
}

} // namespace genpictures
