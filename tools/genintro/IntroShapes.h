#pragma once

#include "swfwriter/ShapeBuilder.h"

#include <cstdint>
#include <vector>

namespace genintro {

// Draws outlines into a shape in twips, from coordinates in twips as
// doubles; arcs are made of quadratic curves of at most 45 degrees.
class Pen {
public:
    explicit Pen(swfw::ShapeBuilder& shape) : shape_(shape) {}

    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void CurveTo(double cx, double cy, double x, double y);
    // From the current point, which must lie on the circle, to angle a1
    // (radians, clockwise on screen from the positive x axis).
    void ArcTo(double cx, double cy, double r, double a0, double a1);
    void Circle(double cx, double cy, double r);
    void Ellipse(double cx, double cy, double rx, double ry);

private:
    void EllipseArc(double cx, double cy, double rx, double ry, double a0, double a1);

    swfw::ShapeBuilder& shape_;
};

// A band between two radii from angle a0 to a1: one closed outline.
void Band(Pen& pen, double inner, double outer, double a0, double a1);

// The letters of the word mark as strokes in a 560 x 720 box whose top-left
// corner is (x, y).
void Letter(Pen& pen, char letter, double x, double y);

} // namespace genintro
