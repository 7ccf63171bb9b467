#include "StageImage.h"

#include <algorithm>
#include <cmath>

namespace tools {

Image RenderStage(swf::Player& player, double scale) {
    swf::Rect stage = player.CurrentMovie()->Header().FrameSize;
    int width = std::clamp(static_cast<int>(std::lround(stage.Width() / 20.0 * scale)), 1, 16384);
    int height = std::clamp(static_cast<int>(std::lround(stage.Height() / 20.0 * scale)), 1, 16384);
    player.Scale = swf::ScaleMode::ExactFit;
    return RenderView(player, width, height);
}

Image RenderView(swf::Player& player, int width, int height) {
    width = std::clamp(width, 1, 16384);
    height = std::clamp(height, 1, 16384);
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    swf::Surface surface{pixels.data(), width, height, width};
    player.Render(surface, std::nullopt);
    return FromSurface(surface);
}

} // namespace tools
