#pragma once

#include "PngFile.h"

#include <string>

namespace tools {

struct CaptureScore {
    bool Strict = false; // at most max_outliers pixels beyond the tolerance
    bool Near = false;   // 99% of pixels within max(tolerance, 8)
    long Outliers = 0;
    int MaxDifference = 0;
    std::string Problem; // set when the pictures cannot be compared
};

// Scores a picture against the reference: a pixel's difference is the
// largest difference of any of its channels.
CaptureScore ComparePictures(const Image& ours, const Image& expected, int tolerance, long maxOutliers);

} // namespace tools
