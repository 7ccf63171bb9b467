#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace swf {

// Undoes the PNG row filters of one image or interlace pass in place. Each
// row is a filter-type byte followed by `rowBytes` bytes; `pixelBytes` (at
// least 1) is how far back the left neighbour of a byte is. Throws
// swf::Error on an unknown filter type. `data` holds whole rows only.
void UnfilterRows(std::span<uint8_t> data, size_t rowBytes, size_t pixelBytes);

// The same, byte by byte as the PNG format defines the filters: slow, and
// kept to check the fast one against.
void UnfilterRowsReference(std::span<uint8_t> data, size_t rowBytes, size_t pixelBytes);

} // namespace swf
