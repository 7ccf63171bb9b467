#include "Parts.h"

#include "Symbols.h"

#include <cmath>
#include <numbers>

namespace genpictures::parts {

void Emblem(Sketch& sketch, Point centre, double radius) {
    GlassBody(sketch, centre, radius, tones::Blue);
    sketch.Stroke(Outline().Circle(centre, radius * 0.84), radius * 0.07, Faded(White, 110));
    Mark(sketch, symbols::Play({centre.X + radius * 0.06, centre.Y}, radius * 0.44));
}

void Sheet(Sketch& sketch, double x, double y, double w, double h, double fold) {
    Outline page;
    page.Polygon({{x, y}, {x + w - fold, y}, {x + w, y + fold}, {x + w, y + h}, {x, y + h}});
    sketch.Fill(page.Moved(0.6, 0.9), Paint::Solid({0, 0, 40, 45}));
    Body(sketch, page, tones::Paper);
    Outline corner;
    corner.Polygon({{x + w - fold, y}, {x + w - fold, y + fold}, {x + w, y + fold}});
    Body(sketch, corner, {{255, 255, 255}, {226, 232, 242}, {196, 206, 224}, tones::Paper.Edge});
}

void Folder(Sketch& sketch, double x, double y, double w, double h, bool open) {
    double tab = w * 0.4, lip = h * 0.14, r = w * 0.04;
    Outline back;
    back.MoveTo({x + r, y})
        .LineTo({x + tab, y})
        .LineTo({x + tab + lip, y + lip})
        .LineTo({x + w - r, y + lip})
        .LineTo({x + w, y + lip + r})
        .LineTo({x + w, y + h})
        .LineTo({x, y + h})
        .LineTo({x, y + r})
        .Close();
    Body(sketch, back, {tones::Amber.Mid, tones::Amber.Dark, {190, 116, 24}, tones::Amber.Edge});
    double top = y + lip * 2.2;
    if (!open) {
        Body(sketch, Outline().RoundRect(x, top, w, y + h - top, r), tones::Amber);
        return;
    }
    Sheet(sketch, x + w * 0.14, y + lip * 1.4, w * 0.7, h * 0.7, w * 0.16);
    double slant = w * 0.16;
    top += h * 0.12;
    Body(sketch,
         Outline().Polygon({{x + slant, top}, {x + w + slant * 0.4, top}, {x + w, y + h}, {x, y + h}}),
         tones::Amber);
}

void Badge(Sketch& sketch, Point centre, double radius, const Tone& tone) {
    sketch.Fill(Outline().Circle(centre, radius + 1), Paint::Solid(Faded(White, 200)));
    GlassBody(sketch, centre, radius, tone);
}

Point Screen(Sketch& sketch) {
    Body(sketch, Outline().Polygon({{12.5, 23}, {19.5, 23}, {21, 27.5}, {11, 27.5}}), tones::Steel);
    Body(sketch, Outline().RoundRect(8, 26.5, 16, 2.5, 1), tones::Steel);
    Body(sketch, Outline().RoundRect(2.5, 4.5, 27, 20, 2), tones::Steel);
    Outline glass;
    glass.Rect(5, 7, 22, 15);
    sketch.FillAndStroke(
        glass,
        Paint::Along({5, 7}, {27, 22}, {{0, {90, 175, 250}}, {140, {30, 100, 215}}, {255, {14, 48, 150}}}),
        0.8, tones::Steel.Edge);
    return {16, 14.5};
}

Outline Arrow(Point from, Point to, double shaft, double head) {
    double dx = to.X - from.X, dy = to.Y - from.Y, length = std::hypot(dx, dy);
    double ux = dx / length, uy = dy / length;
    Point neck{to.X - ux * head, to.Y - uy * head};
    auto side = [&](Point p, double offset) { return Point{p.X - uy * offset, p.Y + ux * offset}; };
    return Outline().Polygon({side(from, shaft / 2), side(neck, shaft / 2), side(neck, head * 0.75), to,
                              side(neck, -head * 0.75), side(neck, -shaft / 2), side(from, -shaft / 2)});
}

void StrokeMark(Sketch& sketch, const Outline& outline, double width) {
    sketch.Stroke(outline.Moved(0, 0.8), width, {0, 0, 40, 70});
    sketch.Stroke(outline, width, White);
}

void Window(Sketch& sketch, double x, double y, double w, double h, const Tone& title) {
    sketch.Fill(Outline().RoundRect(x + 0.8, y + 1.2, w, h, 1.5), Paint::Solid({0, 0, 40, 50}));
    Body(sketch, Outline().RoundRect(x, y, w, h, 1.5), tones::Paper);
    Outline bar;
    bar.MoveTo({x + 1.5, y})
        .LineTo({x + w - 1.5, y})
        .ArcTo({x + w - 1.5, y + 1.5}, 1.5, 1.5, -std::numbers::pi / 2, 0)
        .LineTo({x + w, y + 4.5})
        .LineTo({x, y + 4.5})
        .LineTo({x, y + 1.5})
        .ArcTo({x + 1.5, y + 1.5}, 1.5, 1.5, std::numbers::pi, 1.5 * std::numbers::pi)
        .Close();
    Body(sketch, bar, title);
}

} // namespace genpictures::parts
