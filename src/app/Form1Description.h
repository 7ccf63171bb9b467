#pragma once

#include "ui/WindowDescription.h"

#include <span>

namespace app {

// The main window's control tree with its design-time properties.
std::span<const ui::ControlDescription> Form1Description();

// Client size the window is designed for, and its smallest window size.
inline constexpr int Form1ClientWidth = 643, Form1ClientHeight = 452;
inline constexpr int Form1MinWidth = 517, Form1MinHeight = 323;

} // namespace app
