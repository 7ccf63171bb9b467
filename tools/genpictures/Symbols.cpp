#include "Symbols.h"

#include <cmath>
#include <numbers>

namespace genpictures::symbols {

Outline Play(Point c, double r) {
    // The triangle's weight sits left of its box; shift it right a little.
    return Outline().Polygon({{c.X - 0.62 * r, c.Y - r}, {c.X + r, c.Y}, {c.X - 0.62 * r, c.Y + r}});
}

Outline Pause(Point c, double r) {
    double w = 0.62 * r;
    return Outline()
        .RoundRect(c.X - 0.9 * r, c.Y - r, w, 2 * r, 0.15 * r)
        .RoundRect(c.X + 0.9 * r - w, c.Y - r, w, 2 * r, 0.15 * r);
}

Outline Stop(Point c, double r) {
    double s = 0.88 * r;
    return Outline().RoundRect(c.X - s, c.Y - s, 2 * s, 2 * s, 0.2 * r);
}

Outline StepBack(Point c, double r) {
    return Outline()
        .Rect(c.X - r, c.Y - r, 0.42 * r, 2 * r)
        .Polygon({{c.X + 0.85 * r, c.Y - r}, {c.X + 0.85 * r, c.Y + r}, {c.X - 0.45 * r, c.Y}});
}

Outline StepForward(Point c, double r) { return StepBack(c, r).Scaled(-1, 1, c); }

Outline Eject(Point c, double r) {
    return Outline()
        .Polygon({{c.X, c.Y - r}, {c.X + r, c.Y + 0.25 * r}, {c.X - r, c.Y + 0.25 * r}})
        .Rect(c.X - r, c.Y + 0.55 * r, 2 * r, 0.45 * r);
}

Outline Speaker(Point c, double r) {
    return Outline().Polygon({{c.X - r, c.Y - 0.38 * r},
                              {c.X - 0.45 * r, c.Y - 0.38 * r},
                              {c.X + 0.15 * r, c.Y - r},
                              {c.X + 0.15 * r, c.Y + r},
                              {c.X - 0.45 * r, c.Y + 0.38 * r},
                              {c.X - r, c.Y + 0.38 * r}});
}

Outline Cross(Point c, double r, double thickness) {
    return Plus(c, r, thickness).Rotated(std::numbers::pi / 4, c);
}

Outline Plus(Point c, double r, double t) {
    return Outline().Polygon({{c.X - t / 2, c.Y - r},
                              {c.X + t / 2, c.Y - r},
                              {c.X + t / 2, c.Y - t / 2},
                              {c.X + r, c.Y - t / 2},
                              {c.X + r, c.Y + t / 2},
                              {c.X + t / 2, c.Y + t / 2},
                              {c.X + t / 2, c.Y + r},
                              {c.X - t / 2, c.Y + r},
                              {c.X - t / 2, c.Y + t / 2},
                              {c.X - r, c.Y + t / 2},
                              {c.X - r, c.Y - t / 2},
                              {c.X - t / 2, c.Y - t / 2}});
}

Outline Minus(Point c, double r, double t) { return Outline().Rect(c.X - r, c.Y - t / 2, 2 * r, t); }

Outline Waves(Point c, double r) {
    constexpr double Spread = std::numbers::pi / 4;
    Outline waves;
    for (double radius : {0.45 * r, 0.95 * r}) {
        waves.MoveTo({c.X + radius * std::cos(-Spread), c.Y + radius * std::sin(-Spread)});
        waves.ArcTo(c, radius, radius, -Spread, Spread);
    }
    return waves;
}

} // namespace genpictures::symbols
