#pragma once

#include "controls/MediaBitmapList.h"

namespace resources {

// Reads the program's bitmap list from its embedded resource
// "MediaBitmaps". Throws std::runtime_error when the resource is missing
// or damaged; the list is then empty.
void LoadProgramBitmaps(controls::TMediaBitmapList& list);

} // namespace resources
