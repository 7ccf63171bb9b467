#include "controls/Numeric.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace controls {

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    int64_t product = static_cast<int64_t>(a) * b;
    int64_t quotient = product / c;
    int64_t remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<int64_t>(c)))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(quotient);
}

long long RoundHalfEven(long double value) {
    // std::nearbyint follows the current rounding mode; the program never
    // leaves the default, which is to-nearest with ties to even.
    return std::llrint(value);
}

} // namespace controls
