#pragma once

namespace controls {

// a × b / c with a 64-bit product, rounded to the nearest integer with
// halves away from zero; -1 when c is 0 or the result does not fit, as the
// platform's MulDiv answers.
int MulDiv(int a, int b, int c);

// Nearest integer, halves to the even neighbour (the rounding that the
// drawing formulas are defined with).
long long RoundHalfEven(long double value);

} // namespace controls
