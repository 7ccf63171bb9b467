#pragma once

namespace swf {

struct Point {
    double X = 0, Y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Affine transform in the movie's convention: x' = A x + C y + Tx,
// y' = B x + D y + Ty.
struct Matrix {
    double A = 1, B = 0, C = 0, D = 1, Tx = 0, Ty = 0;

    static Matrix Scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Matrix Translate(double tx, double ty) { return {1, 0, 0, 1, tx, ty}; }

    Point Apply(Point p) const { return {A * p.X + C * p.Y + Tx, B * p.X + D * p.Y + Ty}; }

    // The transform that applies `inner` first, then this one.
    Matrix Then(const Matrix& inner) const;

    // The inverse, or nothing when the matrix collapses the plane.
    bool Invert(Matrix& out) const;

    // How much the matrix scales lengths, on average over both axes: what a
    // stroke width is multiplied by.
    double MeanScale() const;

    friend bool operator==(const Matrix&, const Matrix&) = default;
};

} // namespace swf
