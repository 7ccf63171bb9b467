#pragma once

#include "ui/Handles.h"

namespace app {

// The 16 x 16 pictures on the transport and volume buttons, in the order
// the program's embedded glyphs are drawn in (tools/genpictures).
enum class Glyph { Close, Back, Stop, Play, Pause, Forward, Mute, Unmute, VolumeDown, VolumeUp };

// Throws std::runtime_error when the program's glyphs are missing or
// damaged.
ui::IconHandle MakeGlyph(Glyph glyph);

} // namespace app
