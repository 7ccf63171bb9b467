#pragma once

#include "ui/Color.h"

#include <windows.h>

#include <optional>

namespace controls {

// Whether the platform draws this program's controls with visual styles:
// a theme is active and the program runs with the common controls that
// use it (version 6, through its manifest).
bool VisualStylesActive();

// The border colour of the style's edit boxes; none without styles.
std::optional<ui::TColor> ThemedEditBorderColor();

// Draws the style's picture of a checked or a hot toolbar button; false
// when there is no style to draw it with.
bool DrawThemedToolButton(HDC dc, const RECT& rect, bool checked);

} // namespace controls
