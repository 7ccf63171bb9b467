#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace swf {

// Decodes the LZMA body of a "ZWS" movie: 5 bytes of properties, then raw
// LZMA data, into out[offset...] until out is full or the data ends. Returns
// how many bytes were produced. Throws swf::Error on corrupt data.
size_t DecodeLzma(std::span<const uint8_t> propertiesAndData, std::vector<uint8_t>& out, size_t offset);

} // namespace swf
