#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace swf {

// An 8-bit plane of `width` x `height` values, rows packed.
struct Plane {
    std::span<uint8_t> Values;
    int Width = 0;
    int Height = 0;
};

// Blurs the plane in place with `passes` box passes, each averaging
// 2*radiusX+1 values along rows and then 2*radiusY+1 along columns (rounded
// to nearest); values outside the plane count as 0. Running sums make each
// pass cost the same whatever the radius.
void BoxBlur(Plane plane, int radiusX, int radiusY, int passes);

// The same by summing every window afresh: slow, and the definition the
// fast blur is tested against.
void BoxBlurReference(Plane plane, int radiusX, int radiusY, int passes);

// The radius of a box pass for a blur of `amount` device pixels: the box is
// as wide as the blur, to the nearest odd number of pixels.
int BoxRadius(double amount);

} // namespace swf
