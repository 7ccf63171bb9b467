#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace swf {

// A loaded JPEG, PNG or GIF image made into the bytes of a movie of one
// frame that shows it at its own size from the top left, as the plug-in
// shows an image loaded into a clip. None for other data or an image that
// cannot be decoded.
std::optional<std::vector<uint8_t>> ImageMovie(std::span<const uint8_t> image);

} // namespace swf
