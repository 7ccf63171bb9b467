#include "swf/Matrix.h"

#include <cmath>

namespace swf {

Matrix Matrix::Then(const Matrix& inner) const {
    return {A * inner.A + C * inner.B, B * inner.A + D * inner.B,        A * inner.C + C * inner.D,
            B * inner.C + D * inner.D, A * inner.Tx + C * inner.Ty + Tx, B * inner.Tx + D * inner.Ty + Ty};
}

bool Matrix::Invert(Matrix& out) const {
    double det = A * D - B * C;
    if (!std::isfinite(det) || std::fabs(det) < 1e-12)
        return false;
    double ia = D / det, ib = -B / det, ic = -C / det, id = A / det;
    out = {ia, ib, ic, id, -(ia * Tx + ic * Ty), -(ib * Tx + id * Ty)};
    return true;
}

double Matrix::MeanScale() const { return (std::hypot(A, B) + std::hypot(C, D)) / 2; }

} // namespace swf
