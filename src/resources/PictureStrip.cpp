#include "resources/PictureStrip.h"

#include <algorithm>
#include <stdexcept>

namespace resources {
namespace {

constexpr uint8_t Magic[4] = {'K', 'F', 'P', 'S'};
constexpr size_t HeaderSize = 10;

void PutU16(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

unsigned GetU16(std::span<const uint8_t> data, size_t at) { return data[at] | unsigned(data[at + 1]) << 8; }

size_t PixelCount(int size, int count) {
    return static_cast<size_t>(size) * static_cast<size_t>(size) * static_cast<size_t>(count);
}

} // namespace

std::span<const uint32_t> PictureStrip::Picture(int index) const {
    if (index < 0 || index >= Count)
        throw std::out_of_range("no such picture in the strip");
    size_t each = PixelCount(Size, 1);
    return std::span<const uint32_t>(Pixels).subspan(each * static_cast<size_t>(index), each);
}

std::vector<uint8_t> EncodeStrip(const PictureStrip& strip) {
    if (strip.Size <= 0 || strip.Size > 0xFFFF || strip.Count < 0 || strip.Count > 0xFFFF ||
        strip.Pixels.size() != PixelCount(strip.Size, strip.Count))
        throw std::invalid_argument("the strip's pixels do not match its size and count");
    std::vector<uint8_t> out(std::begin(Magic), std::end(Magic));
    PutU16(out, static_cast<unsigned>(strip.Size));
    PutU16(out, static_cast<unsigned>(strip.Count));
    PutU16(out, 0);
    out.reserve(HeaderSize + strip.Pixels.size() * 4);
    for (uint32_t pixel : strip.Pixels)
        for (int shift = 0; shift < 32; shift += 8)
            out.push_back(static_cast<uint8_t>(pixel >> shift));
    return out;
}

uint32_t Unpremultiply(uint32_t pixel) {
    uint32_t alpha = pixel >> 24;
    if (alpha == 0)
        return 0;
    uint32_t out = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        uint32_t channel = ((pixel >> shift & 0xFF) * 255 + alpha / 2) / alpha;
        out |= std::min(channel, 255u) << shift;
    }
    return out;
}

PictureStrip DecodeStrip(std::span<const uint8_t> data, const StripLayout& layout) {
    if (data.size() < HeaderSize || !std::equal(std::begin(Magic), std::end(Magic), data.begin()))
        throw std::runtime_error("the picture strip has no valid header");
    PictureStrip strip;
    strip.Size = static_cast<int>(GetU16(data, 4));
    strip.Count = static_cast<int>(GetU16(data, 6));
    if (strip.Size != layout.Size || strip.Count != layout.Count || GetU16(data, 8) != 0)
        throw std::runtime_error("the picture strip holds pictures of another size or number");
    size_t pixels = PixelCount(strip.Size, strip.Count);
    if (data.size() != HeaderSize + pixels * 4)
        throw std::runtime_error("the picture strip's length does not match its header");
    strip.Pixels.resize(pixels);
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* p = &data[HeaderSize + i * 4];
        strip.Pixels[i] = p[0] | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }
    return strip;
}

} // namespace resources
