#include "swf/Canvas.h"

namespace swf {

Canvas::Canvas(const Surface& target, Rasterizer& rasterizer, swf::Quality quality)
    : target_(target), rasterizer_(rasterizer), quality_(quality) {}

const float* Canvas::MaskRow(int y) const {
    return masks_.empty() ? nullptr : masks_.back().data() + size_t(y) * size_t(target_.Width);
}

void Canvas::BeginMask() {
    building_.emplace_back(size_t(target_.Width) * size_t(target_.Height), 0.0f);
    buildBase_.push_back(masks_.size());
}

float* Canvas::BuildingRow(int y) { return building_.back().data() + size_t(y) * size_t(target_.Width); }

const float* Canvas::BuildingClipRow(int y) const {
    if (buildBase_.empty() || masks_.size() <= buildBase_.back())
        return nullptr;
    return masks_.back().data() + size_t(y) * size_t(target_.Width);
}

// A mask pushed inside a build multiplies only with the masks pushed inside
// that build: the ones in force before it cut the build's coverage when
// the build itself is pushed.
void Canvas::EndMaskAndPush() {
    std::vector<float> mask = std::move(building_.back());
    building_.pop_back();
    buildBase_.pop_back();
    size_t base = buildBase_.empty() ? 0 : buildBase_.back();
    if (masks_.size() > base)
        for (size_t i = 0; i < mask.size(); ++i)
            mask[i] *= masks_.back()[i];
    masks_.push_back(std::move(mask));
}

void Canvas::PopMask() {
    if (!masks_.empty())
        masks_.pop_back();
}

} // namespace swf
