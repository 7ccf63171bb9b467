#include "Picture.h"

#include "swf/Player.h"

#include <algorithm>
#include <stdexcept>

namespace genpictures {
namespace {

std::vector<uint32_t> Draw(const swf::Player& player, int size, swf::Rgb background) {
    std::vector<uint32_t> pixels(static_cast<size_t>(size) * static_cast<size_t>(size));
    player.Render(swf::Surface{pixels.data(), size, size, size}, background);
    return pixels;
}

} // namespace

uint32_t RecoverPixel(uint32_t overBlack, uint32_t overWhite) {
    int alpha = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int black = static_cast<int>(overBlack >> shift & 0xFF),
            white = static_cast<int>(overWhite >> shift & 0xFF);
        // Rounding may part the channels by a step; the most opaque reading
        // keeps every premultiplied channel within its alpha.
        alpha = std::max(alpha, std::clamp(255 - (white - black), 0, 255));
    }
    return static_cast<uint32_t>(alpha) << 24 | (overBlack & 0xFFFFFF);
}

Picture RenderPicture(std::span<const uint8_t> movie, int size) {
    swf::Player player;
    player.Load(movie);
    if (!player.HasMovie())
        throw std::runtime_error("a picture's movie cannot be read: " + player.LoadError());
    player.Quality = swf::Quality::Best;
    auto black = Draw(player, size, {0, 0, 0});
    auto white = Draw(player, size, {255, 255, 255});
    Picture picture{size, std::move(black)};
    for (size_t i = 0; i < picture.Pixels.size(); ++i)
        picture.Pixels[i] = RecoverPixel(picture.Pixels[i], white[i]);
    return picture;
}

} // namespace genpictures
