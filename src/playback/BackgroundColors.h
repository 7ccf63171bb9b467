#pragma once

#include <cstdint>

namespace playback {

// The picker works in colour values (0x00BBGGRR), the player's background in
// 0x00RRGGBB. The two conversions are fixed tables that map the picker's
// swatches to chosen player values and back; they are deliberately not a
// byte swap, and every value they do not list passes unchanged.
uint32_t ColorToBackground(uint32_t color);
uint32_t BackgroundToColor(uint32_t background);

} // namespace playback
