#pragma once

#include <cstdint>

namespace controls {

// The platform's colour of system colour number `index`, as 0x00BBGGRR.
// Windows asks the system; elsewhere a fixed table of the classic Windows
// defaults stands in, so that the portable drawing is testable.
uint32_t SystemColorValue(int index);

} // namespace controls
