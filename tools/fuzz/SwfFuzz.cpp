// libFuzzer entry: any bytes as a movie, loaded, played, drawn and sounded. Built by
// scripts/fuzz only.
#include "swf/Player.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    swf::Player player;
    player.Load(std::span<const uint8_t>(data, size));
    if (!player.HasMovie())
        return 0;
    std::vector<uint32_t> pixels(64 * 48);
    swf::Surface surface{pixels.data(), 64, 48, 64};
    std::vector<int16_t> sound(2 * 4000);
    for (int frame = 0; frame < 3; ++frame) {
        player.Quality = frame == 1 ? swf::Quality::Low : swf::Quality::High;
        player.Render(surface, std::nullopt);
        player.MixAudio(sound);
        player.Advance();
    }
    player.GotoFrame(0);
    player.Render(surface, std::nullopt);
    return 0;
}
