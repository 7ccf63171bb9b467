#pragma once

#include "ui/WindowDescription.h"

#include <span>

namespace settings {

inline constexpr int Form2ClientWidth = 588, Form2ClientHeight = 351;

// The settings dialog's controls with their design-time properties.
std::span<const ui::ControlDescription> Form2Description();

} // namespace settings
