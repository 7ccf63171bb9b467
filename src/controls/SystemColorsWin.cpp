#include "controls/SystemColors.h"

#include <windows.h>

namespace controls {

uint32_t SystemColorValue(int index) { return GetSysColor(index); }

} // namespace controls
