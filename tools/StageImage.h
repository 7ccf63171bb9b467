#pragma once

#include "PngFile.h"

#include "swf/Player.h"

namespace tools {

// The whole stage of the player's movie at `scale` pixels per 20 twips,
// over its background colour.
Image RenderStage(swf::Player& player, double scale);

} // namespace tools
