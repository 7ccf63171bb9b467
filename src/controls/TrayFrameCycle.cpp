#include "controls/TrayFrameCycle.h"

namespace controls {

int TTrayFrameCycle::Next(int index, int count, bool swing) {
    if (count < 2 || index < 0)
        return 0;
    if (!swing)
        return (index + 1) % count;
    if (index == count - 1)
        direction_ = -1;
    else if (index == 0)
        direction_ = 1;
    return (index + direction_) % count;
}

} // namespace controls
