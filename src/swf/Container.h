#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace swf {

// Largest uncompressed movie we accept. The header's length field is
// attacker-controlled, so it is never trusted for an allocation beyond this.
inline constexpr uint32_t MaxMovieLength = 256u * 1024 * 1024;

// Turns the bytes of a .swf file into the uncompressed movie: the 8-byte
// header (with signature "FWS") followed by the body. Accepts "FWS",
// zlib-compressed "CWS" and LZMA-compressed "ZWS". Throws swf::Error for
// anything else.
std::vector<uint8_t> DecodeContainer(std::span<const uint8_t> file);

} // namespace swf
