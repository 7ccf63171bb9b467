#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace swf {

// Inflates zlib data into at most `limit` bytes: never more, and the result
// is shorter when the stream ends early. Throws swf::Error when the data is
// not zlib at all.
std::vector<uint8_t> InflateAtMost(std::span<const uint8_t> data, size_t limit);

// Inflates zlib data into exactly `size` bytes: never more, and a stream
// that ends early leaves the rest zero.
std::vector<uint8_t> InflateExactly(std::span<const uint8_t> data, size_t size);

} // namespace swf
