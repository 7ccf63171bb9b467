#include "Sketch.h"

#include "swfwriter/TagBodies.h"

#include <cmath>

namespace genpictures {
namespace {

constexpr double TwipsPerUnit = 20;
// A gradient's own square spans this many twips, centred on its origin.
constexpr double GradientSpan = 32768;

int32_t Twips(double units) { return static_cast<int32_t>(std::lround(units * TwipsPerUnit)); }

swfw::Transform GradientPlacement(const Paint& paint) {
    double dx = (paint.To.X - paint.From.X) * TwipsPerUnit, dy = (paint.To.Y - paint.From.Y) * TwipsPerUnit;
    if (paint.Type == Paint::Radial) {
        double s = std::hypot(dx, dy) * 2 / GradientSpan;
        return {s, 0, 0, s, Twips(paint.From.X), Twips(paint.From.Y)};
    }
    return {dx / GradientSpan,
            dy / GradientSpan,
            -dy / GradientSpan,
            dx / GradientSpan,
            Twips((paint.From.X + paint.To.X) / 2),
            Twips((paint.From.Y + paint.To.Y) / 2)};
}

uint32_t AddFill(swfw::ShapeBuilder& shape, const Paint& paint) {
    if (paint.Type == Paint::Flat)
        return shape.SolidFill(paint.Colour);
    return shape.GradientFill(paint.Type == Paint::Radial ? 0x12 : 0x10, GradientPlacement(paint),
                              paint.Stops);
}

void Trace(swfw::ShapeBuilder& shape, const Outline& outline) {
    for (const Outline::Step& step : outline.Steps()) {
        switch (step.Type) {
        case Outline::Step::Move:
            shape.MoveTo(Twips(step.To.X), Twips(step.To.Y));
            break;
        case Outline::Step::Line:
            shape.LineTo(Twips(step.To.X), Twips(step.To.Y));
            break;
        case Outline::Step::Curve:
            shape.CurveTo(Twips(step.Control.X), Twips(step.Control.Y), Twips(step.To.X), Twips(step.To.Y));
            break;
        }
    }
}

} // namespace

Paint Paint::Along(Point from, Point to, std::vector<swfw::Stop> stops) {
    return {Linear, {}, from, to, std::move(stops)};
}

Paint Paint::Around(Point centre, double radius, std::vector<swfw::Stop> stops) {
    return {Radial, {}, centre, {centre.X + radius, centre.Y}, std::move(stops)};
}

Sketch& Sketch::Fill(const Outline& outline, const Paint& paint) {
    AddLayer(outline, &paint, 0, {});
    return *this;
}

Sketch& Sketch::Stroke(const Outline& outline, double width, Rgba colour) {
    AddLayer(outline, nullptr, width, colour);
    return *this;
}

Sketch& Sketch::FillAndStroke(const Outline& outline, const Paint& paint, double width, Rgba colour) {
    AddLayer(outline, &paint, width, colour);
    return *this;
}

void Sketch::AddLayer(const Outline& outline, const Paint* paint, double width, Rgba colour) {
    Layer layer{swfw::ShapeBuilder(4), outline.Bounds()};
    uint32_t fill = paint ? AddFill(layer.Shape, *paint) : 0;
    uint32_t line = width > 0 ? layer.Shape.Line4(static_cast<uint16_t>(Twips(width)), colour, 0, 0, 0) : 0;
    layer.Shape.Styles(0, fill, line);
    Trace(layer.Shape, outline);
    double margin = width / 2 + 1;
    layer.Bounds = {layer.Bounds.Left - margin, layer.Bounds.Top - margin, layer.Bounds.Right + margin,
                    layer.Bounds.Bottom + margin};
    layers_.push_back(std::move(layer));
}

std::vector<uint8_t> Sketch::Movie() const {
    swfw::MovieWriter movie(8, {0, Twips(size_), 0, Twips(size_)}, 12);
    uint16_t id = 0;
    for (const Layer& layer : layers_) {
        ++id;
        const Box& b = layer.Bounds;
        movie.Tag(swfw::code::DefineShape4,
                  swfw::ShapeBody(id, 4, {Twips(b.Left), Twips(b.Right), Twips(b.Top), Twips(b.Bottom)},
                                  layer.Shape));
        swfw::Place place;
        place.Depth = id;
        place.CharacterId = id;
        movie.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(place));
    }
    movie.ShowFrame();
    return movie.Build();
}

} // namespace genpictures
