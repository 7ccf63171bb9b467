#pragma once

#include "Picture.h"

#include <cstdint>
#include <vector>

namespace genpictures {

// A Windows icon file holding the pictures (each at most 256 pixels) as
// 32-bit bitmaps with straight alpha and a mask that marks the fully
// transparent pixels, which is what the shell and the resource compiler
// read on every Windows version.
std::vector<uint8_t> EncodeIcon(const std::vector<Picture>& pictures);

} // namespace genpictures
