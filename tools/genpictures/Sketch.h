#pragma once

#include "Outline.h"
#include "swfwriter/ShapeBuilder.h"

#include <cstdint>
#include <vector>

namespace genpictures {

using swfw::Rgba;

// How an outline is filled: one colour, or a gradient given in picture
// units.
struct Paint {
    enum Kind { Flat, Linear, Radial } Type = Flat;
    Rgba Colour;
    Point From, To; // linear: the gradient's ends; radial: centre and a point on its rim
    std::vector<swfw::Stop> Stops;

    static Paint Solid(Rgba colour) { return {Flat, colour, {}, {}, {}}; }
    static Paint Along(Point from, Point to, std::vector<swfw::Stop> stops);
    static Paint Around(Point centre, double radius, std::vector<swfw::Stop> stops);
};

// One picture as a stack of shapes, later ones on top, written as a
// one-frame movie whose stage is the picture (20 twips to a unit).
class Sketch {
public:
    explicit Sketch(double size) : size_(size) {}

    double Size() const { return size_; }

    Sketch& Fill(const Outline& outline, const Paint& paint);
    // Round caps and joins.
    Sketch& Stroke(const Outline& outline, double width, Rgba colour);
    Sketch& FillAndStroke(const Outline& outline, const Paint& paint, double width, Rgba colour);

    std::vector<uint8_t> Movie() const;

private:
    struct Layer {
        swfw::ShapeBuilder Shape;
        Box Bounds;
    };
    void AddLayer(const Outline& outline, const Paint* paint, double width, Rgba colour);

    double size_;
    std::vector<Layer> layers_;
};

} // namespace genpictures
