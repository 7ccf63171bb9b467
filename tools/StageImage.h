#pragma once

#include "PngFile.h"

#include "swf/Player.h"

namespace tools {

// The whole stage of the player's movie at `scale` pixels per 20 twips,
// over its background colour.
Image RenderStage(swf::Player& player, double scale);

// A view of `width` x `height` pixels, the stage fitted by the player's
// scale mode.
Image RenderView(swf::Player& player, int width, int height);

} // namespace tools
