#pragma once

#include <cstdint>

namespace swf {

// The blend modes of PlaceObject3.
enum class BlendMode : uint8_t {
    Normal = 1,
    Layer = 2,
    Multiply = 3,
    Screen = 4,
    Lighten = 5,
    Darken = 6,
    Difference = 7,
    Add = 8,
    Subtract = 9,
    Invert = 10,
    Alpha = 11,
    Erase = 12,
    Overlay = 13,
    HardLight = 14,
};

// Whether the mode needs its object drawn apart and blended afterwards.
// Alpha and erase change the layer they are drawn into, so they are drawn
// apart only inside one (`NeedsParentLayer`).
bool BlendsApart(uint8_t mode);
bool NeedsParentLayer(uint8_t mode);

// A premultiplied source pixel blended onto a premultiplied destination.
uint32_t BlendPixel(BlendMode mode, uint32_t src, uint32_t dst);

} // namespace swf
