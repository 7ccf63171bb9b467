#pragma once

#include "swf/Quality.h"
#include "swf/Rasterizer.h"
#include "swf/Surface.h"

#include <vector>

namespace swf {

// Where a frame is drawn: the target pixels, the rasterizer, the quality, and
// the clip masks in force. A mask is a coverage value (0..1) per target
// pixel; nested masks multiply.
class Canvas {
public:
    Canvas(const Surface& target, Rasterizer& rasterizer, swf::Quality quality);

    const Surface& Target() const { return target_; }
    IntRect Bounds() const { return {0, 0, target_.Width, target_.Height}; }
    Rasterizer& Raster() { return rasterizer_; }
    swf::Quality Level() const { return quality_; }

    // Null when nothing masks the row.
    const float* MaskRow(int y) const;

    // While a mask is being built, shapes add their coverage to it instead
    // of painting. Masks pushed while it is built (a clip depth inside a
    // mask) cut its coverage; those in force before it cut it once pushed.
    void BeginMask();
    float* BuildingRow(int y);
    // What cuts the coverage of the mask being built; null for nothing.
    const float* BuildingClipRow(int y) const;
    bool BuildingMask() const { return !building_.empty(); }
    // Ends the mask being built and clips what follows to it.
    void EndMaskAndPush();
    void PopMask();

private:
    Surface target_;
    Rasterizer& rasterizer_;
    swf::Quality quality_;
    std::vector<std::vector<float>> masks_;
    std::vector<std::vector<float>> building_;
    std::vector<size_t> buildBase_; // masks_.size() when each build began
};

} // namespace swf
