#include "ImageCompare.h"

#include <algorithm>
#include <cstdlib>

namespace tools {

CaptureScore ComparePictures(const Image& ours, const Image& expected, int tolerance, long maxOutliers) {
    CaptureScore score;
    if (ours.Width != expected.Width || ours.Height != expected.Height) {
        score.Problem = "size " + std::to_string(ours.Width) + "x" + std::to_string(ours.Height) +
                        ", expected " + std::to_string(expected.Width) + "x" +
                        std::to_string(expected.Height);
        return score;
    }
    int nearTolerance = std::max(tolerance, 8);
    long nearMisses = 0;
    for (size_t i = 0; i < ours.Rgba.size(); i += 4) {
        int diff = 0;
        for (size_t c = 0; c < 4; ++c)
            diff = std::max(diff, std::abs(int(ours.Rgba[i + c]) - int(expected.Rgba[i + c])));
        score.MaxDifference = std::max(score.MaxDifference, diff);
        score.Outliers += diff > tolerance;
        nearMisses += diff > nearTolerance;
    }
    long pixels = long(ours.Width) * ours.Height;
    score.Strict = score.Outliers <= maxOutliers;
    score.Near = nearMisses * 100 <= pixels;
    return score;
}

} // namespace tools
