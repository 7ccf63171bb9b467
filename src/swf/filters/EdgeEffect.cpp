#include "swf/filters/EdgeEffect.h"

#include "swf/filters/BoxBlur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace swf {
namespace {

uint32_t Alpha(uint32_t argb) { return argb >> 24; }

// Premultiplied colour scaled by value/255, rounded per channel.
uint32_t Scale(uint32_t argb, uint32_t value) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
        out |= ((argb >> shift & 0xff) * value + 127) / 255 << shift;
    return out;
}

// a over b, premultiplied.
uint32_t Over(uint32_t a, uint32_t b) { return a + Scale(b, 255 - Alpha(a)); }

std::vector<uint8_t> AlphaPlane(const FilterImage& image, bool inverted) {
    std::vector<uint8_t> plane(image.Pixels.size());
    for (size_t i = 0; i < plane.size(); ++i)
        plane[i] = uint8_t(inverted ? 255 - Alpha(image.Pixels[i]) : Alpha(image.Pixels[i]));
    return plane;
}

// The blurred plane read at (x - dx, y - dy): what lies outside the image is
// `outside`.
struct ShiftedPlane {
    const std::vector<uint8_t>& Values;
    int Width, Height, Dx, Dy;
    uint8_t Outside;

    int At(int x, int y) const {
        x -= Dx;
        y -= Dy;
        if (x < 0 || y < 0 || x >= Width || y >= Height)
            return Outside;
        return Values[size_t(y) * size_t(Width) + size_t(x)];
    }
};

int Strengthen(double value, double strength) {
    return int(std::clamp(std::lround(value * strength), -255L, 255L));
}

// The effect's own colour at one pixel, before it meets the object.
uint32_t EffectAt(const EdgeEffect& e, const ShiftedPlane& plane, int x, int y) {
    if (e.Kind == EdgeEffect::Shape::Shadow)
        return e.Ramp[size_t(std::max(0, Strengthen(plane.At(x, y), e.Strength)))];
    // The lit side of an edge is where the object lies away from the light:
    // its alpha one step away from the light exceeds that one step towards it.
    int lit = plane.At(x, y) - plane.At(x + 2 * plane.Dx, y + 2 * plane.Dy);
    int v = Strengthen(lit, e.Strength);
    return e.Ramp[size_t(std::clamp(128 - v / 2, 0, 255))];
}

uint32_t Combine(const EdgeEffect& e, uint32_t effect, uint32_t object) {
    uint32_t inside = Alpha(object);
    switch (e.Where) {
    case EdgeEffect::Side::Inner:
        // Inside the object only, atop it: where the object is partly
        // clear the effect covers it as much, and the object's alpha stays.
        if (e.Knockout || e.HideObject)
            return Scale(effect, inside);
        return Scale(effect, inside) + Scale(object, 255 - Alpha(effect));
    case EdgeEffect::Side::Outer:
        if (e.Knockout)
            return Scale(effect, 255 - inside);
        return e.HideObject ? effect : Over(object, effect);
    case EdgeEffect::Side::Full:
        break;
    }
    if (e.Knockout)
        return Scale(effect, 255 - inside);
    return e.HideObject ? effect : Over(effect, object);
}

} // namespace

FilterMargin MarginOf(const EdgeEffect& e) {
    int rx = BoxRadius(e.BlurX) * e.Passes, ry = BoxRadius(e.BlurY) * e.Passes;
    int dx = int(std::ceil(std::abs(e.Dx))), dy = int(std::ceil(std::abs(e.Dy)));
    return {rx + dx, ry + dy, rx + dx, ry + dy};
}

void Apply(const EdgeEffect& e, FilterImage& image) {
    bool inverted = e.Kind == EdgeEffect::Shape::Shadow && e.Where == EdgeEffect::Side::Inner;
    std::vector<uint8_t> values = AlphaPlane(image, inverted);
    BoxBlur({values, image.Width, image.Height}, BoxRadius(e.BlurX), BoxRadius(e.BlurY), e.Passes);
    int dx = int(std::lround(e.Dx)), dy = int(std::lround(e.Dy));
    ShiftedPlane plane{values, image.Width, image.Height, dx, dy, uint8_t(inverted ? 255 : 0)};
    if (e.Kind == EdgeEffect::Shape::Bevel) {
        // A bevel compares the blurred alpha the distance away on both
        // sides of each pixel.
        plane.Dx = -dx;
        plane.Dy = -dy;
    }
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            image.At(x, y) = Combine(e, EffectAt(e, plane, x, y), image.At(x, y));
}

EdgeEffect EdgeEffectOf(const EdgeFilterFields& f, const std::array<uint32_t, 256>& ramp,
                        EdgeEffect::Shape kind, const FilterScale& scale) {
    EdgeEffect e;
    e.Ramp = ramp;
    e.Kind = kind;
    e.Where = f.OnTop ? EdgeEffect::Side::Full : f.Inner ? EdgeEffect::Side::Inner : EdgeEffect::Side::Outer;
    e.BlurX = f.BlurX * scale.X;
    e.BlurY = f.BlurY * scale.Y;
    e.Passes = f.Passes;
    e.Dx = std::cos(f.Angle) * f.Distance * scale.X;
    e.Dy = std::sin(f.Angle) * f.Distance * scale.Y;
    e.Strength = f.Strength;
    e.Knockout = f.Knockout;
    e.HideObject = f.HideObject;
    return e;
}

} // namespace swf
