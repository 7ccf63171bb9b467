#pragma once

#include "Picture.h"
#include "PngFile.h"

#include <cstdint>
#include <span>
#include <vector>

namespace genpictures {

// The rows of pictures side by side, enlarged `zoom` times without
// smoothing, over each backdrop (opaque 0xFFRRGGBB) in turn, so that
// review sees each picture as the program will show it.
tools::Image ContactSheet(const std::vector<std::vector<Picture>>& rows, int zoom,
                          std::span<const uint32_t> backdrops);

// White, the button face and a dark task bar.
inline constexpr uint32_t ReviewBackdrops[] = {0xFFFFFFFF, 0xFFECE9D8, 0xFF202830};

} // namespace genpictures
