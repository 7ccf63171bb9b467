#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace swf {

// Decodes GIF's LZW codes (least significant bit first, growing from
// minCodeSize + 1 to 12 bits) into at most `limit` colour indices. Stops at
// the end code, at the end of the data or at the limit, so the result may
// be shorter. Throws swf::Error on a code that is not defined yet.
std::vector<uint8_t> DecodeGifLzw(std::span<const uint8_t> data, int minCodeSize, size_t limit);

// The same with every table entry kept as its whole string, read bit by
// bit: slow, and kept to check the fast one against.
std::vector<uint8_t> DecodeGifLzwReference(std::span<const uint8_t> data, int minCodeSize, size_t limit);

} // namespace swf
