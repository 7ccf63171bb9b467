#pragma once

namespace controls {

// Which picture of an image list the tray animation shows next: the list in
// order and round again, or back and forth when swinging.
class TTrayFrameCycle {
public:
    // The picture after index in a list of count pictures. A negative index
    // starts again at 0; a list of fewer than two pictures has nothing to
    // cycle through and always gives 0.
    int Next(int index, int count, bool swing);

private:
    int direction_ = 1;
};

} // namespace controls
