#pragma once

#include "swf/Canvas.h"

#include <vector>

namespace swf {

// Adds the coverage of a pass to the mask the canvas is building: the mask
// is the union of everything drawn into it.
class MaskCompositor : public CoverageSink {
public:
    explicit MaskCompositor(Canvas& canvas);
    void Span(int y, uint32_t fill, int x0, std::span<const float> coverage) override;
    void EndRow(int y) override;

private:
    Canvas& canvas_;
    std::vector<float> coverage_;
    int lo_, hi_;
};

} // namespace swf
