#pragma once

#include "ui/Handles.h"

namespace app {

// The 16 x 16 pictures on the transport and volume buttons.
enum class Glyph { Close, Back, Stop, Play, Pause, Forward, Mute, Unmute, VolumeDown, VolumeUp };

ui::IconHandle MakeGlyph(Glyph glyph);

} // namespace app
