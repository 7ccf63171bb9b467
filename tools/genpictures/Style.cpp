#include "Style.h"

namespace genpictures {

Paint Lit(const Outline& outline, const Tone& tone) {
    Box box = outline.Bounds();
    return Paint::Along({0, box.Top}, {0, box.Bottom}, {{0, tone.Light}, {120, tone.Mid}, {255, tone.Dark}});
}

void Body(Sketch& sketch, const Outline& outline, const Tone& tone, double edge) {
    sketch.FillAndStroke(outline, Lit(outline, tone), edge, tone.Edge);
}

void GlassBody(Sketch& sketch, Point centre, double radius, const Tone& tone) {
    Outline disc;
    disc.Circle(centre, radius);
    sketch.FillAndStroke(disc,
                         Paint::Around({centre.X, centre.Y + radius * 0.45}, radius * 1.45,
                                       {{0, tone.Light}, {110, tone.Mid}, {255, tone.Dark}}),
                         1, tone.Edge);
    Outline sheen;
    sheen.Ellipse({centre.X, centre.Y - radius * 0.45}, radius * 0.72, radius * 0.45);
    sketch.Fill(sheen, Paint::Along({0, centre.Y - radius * 0.9}, {0, centre.Y},
                                    {{0, Faded(White, 190)}, {255, Faded(White, 0)}}));
}

void Mark(Sketch& sketch, const Outline& outline, Rgba colour) {
    sketch.Fill(outline.Moved(0, 0.8), Paint::Solid({0, 0, 40, 70}));
    sketch.Fill(outline, Paint::Solid(colour));
}

} // namespace genpictures
