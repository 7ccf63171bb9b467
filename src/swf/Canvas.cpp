#include "swf/Canvas.h"

namespace swf {

Canvas::Canvas(const Surface& target, Rasterizer& rasterizer, swf::Quality quality)
    : target_(target), rasterizer_(rasterizer), quality_(quality) {}

const float* Canvas::MaskRow(int y) const {
    return masks_.empty() ? nullptr : masks_.back().data() + size_t(y) * size_t(target_.Width);
}

void Canvas::BeginMask() { building_.emplace_back(size_t(target_.Width) * size_t(target_.Height), 0.0f); }

float* Canvas::BuildingRow(int y) { return building_.back().data() + size_t(y) * size_t(target_.Width); }

void Canvas::EndMaskAndPush() {
    std::vector<float> mask = std::move(building_.back());
    building_.pop_back();
    if (!masks_.empty())
        for (size_t i = 0; i < mask.size(); ++i)
            mask[i] *= masks_.back()[i];
    masks_.push_back(std::move(mask));
}

void Canvas::PopMask() {
    if (!masks_.empty())
        masks_.pop_back();
}

} // namespace swf
