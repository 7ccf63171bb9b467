#pragma once

#include "Picture.h"
#include "PngFile.h"

#include <vector>

namespace genpictures {

// The rows of pictures side by side, enlarged `zoom` times without
// smoothing, over a light, a button-face and a dark backdrop in turn, so
// that review sees each picture as the program will show it.
tools::Image ContactSheet(const std::vector<std::vector<Picture>>& rows, int zoom);

} // namespace genpictures
