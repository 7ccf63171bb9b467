#pragma once

#include "ui/Handles.h"
#include "ui/ImageList.h"

namespace resources {

// The pictures embedded in the program. Each loader throws
// std::runtime_error when its pictures are missing or damaged (the list
// is then left as it was) and std::invalid_argument when the list is not
// of the pictures' size.

// The toolbar's 19 pictures, 32 x 32, appended to the list.
void LoadToolbarImages(ui::ImageList& list);
// The tray's 12 animation frames, 32 x 32, appended to the list.
void LoadTrayImages(ui::ImageList& list);
// Button glyph number `index` (0 to 9), 16 x 16, in the order of
// app::Glyph; std::out_of_range for other numbers.
ui::IconHandle LoadButtonGlyph(int index);
// The window's icon (resource 1) at the given size, or the nearest the
// program holds (16, 32 or 48).
ui::IconHandle LoadProgramIcon(int size);

} // namespace resources
