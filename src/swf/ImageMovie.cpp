#include "swf/ImageMovie.h"

#include "swf/BitmapDecoder.h"
#include "swf/ByteReader.h"
#include "swf/Error.h"
#include "swf/TagCodes.h"

#include <bit>
#include <cstring>

namespace swf {
namespace {

// Bits, most significant first, as the movie format packs its records.
class Bits {
public:
    void Put(uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            if (used_ == 0)
                bytes_.push_back(0);
            if (value >> i & 1)
                bytes_.back() |= uint8_t(0x80 >> used_);
            used_ = (used_ + 1) % 8;
        }
    }
    void Signed(int32_t value, int count) { Put(uint32_t(value) & ((1u << count) - 1), count); }
    void Align() { used_ = 0; }
    void Byte(uint8_t b) {
        Align();
        bytes_.push_back(b);
    }
    void U16(uint16_t v) {
        Byte(uint8_t(v));
        Byte(uint8_t(v >> 8));
    }
    std::vector<uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    int used_ = 0;
};

// Bits a signed field needs for the value.
int SignedBits(int32_t v) { return std::bit_width(uint32_t(v < 0 ? ~v : v)) + 1; }

void Rect(Bits& out, int32_t width, int32_t height) {
    int n = std::max(SignedBits(width), SignedBits(height));
    out.Put(uint32_t(n), 5);
    for (int32_t v : {0, width, 0, height})
        out.Signed(v, n);
    out.Align();
}

void Tag(std::vector<uint8_t>& movie, uint16_t code, const std::vector<uint8_t>& body) {
    auto put16 = [&movie](uint32_t v) {
        movie.push_back(uint8_t(v));
        movie.push_back(uint8_t(v >> 8));
    };
    put16(uint32_t(code) << 6 | 0x3F);
    put16(uint32_t(body.size()));
    put16(uint32_t(body.size()) >> 16);
    movie.insert(movie.end(), body.begin(), body.end());
}

// A rectangle of the image's size filled with it, one pixel a pixel.
std::vector<uint8_t> Shape(int32_t width, int32_t height) {
    constexpr uint32_t Scale = 20u << 16; // twips per pixel, 16.16
    Bits out;
    out.U16(2);
    Rect(out, width, height);
    out.Byte(1);    // one fill style
    out.Byte(0x41); // clipped bitmap
    out.U16(1);
    out.Put(1, 1); // the bitmap's matrix scales it
    out.Put(23, 5);
    out.Put(Scale, 23);
    out.Put(Scale, 23);
    out.Put(0, 1);
    out.Put(0, 5);
    out.Byte(0);          // no line styles
    out.Byte(0x10);       // one fill bit, no line bits
    out.Put(0b000101, 6); // a move, then the fill on the right of the edges
    out.Put(1, 5);
    out.Put(0, 1);
    out.Put(0, 1);
    out.Put(1, 1);
    int n = std::max(SignedBits(width), SignedBits(height));
    int dx[] = {width, 0, -width, 0}, dy[] = {0, height, 0, -height};
    for (int i = 0; i < 4; ++i) {
        out.Put(0b11, 2); // a straight edge
        out.Put(uint32_t(n - 2), 4);
        out.Put(0, 1); // along one axis
        out.Put(dx[i] == 0 ? 1 : 0, 1);
        out.Signed(dx[i] == 0 ? dy[i] : dx[i], n);
    }
    out.Put(0, 6);
    return std::move(out.Bytes());
}

bool IsImage(std::span<const uint8_t> data) {
    static const uint8_t png[] = {0x89, 'P', 'N', 'G'};
    return (data.size() > 2 && data[0] == 0xFF && data[1] == 0xD8) ||
           (data.size() > 4 && std::memcmp(data.data(), png, 4) == 0) ||
           (data.size() > 4 && std::memcmp(data.data(), "GIF8", 4) == 0);
}

} // namespace

std::optional<std::vector<uint8_t>> ImageMovie(std::span<const uint8_t> image) {
    if (!IsImage(image))
        return std::nullopt;
    int32_t width = 0, height = 0;
    try {
        ByteReader in(image);
        Bitmap decoded = DecodeJpegTag(tagcode::DefineBitsJpeg2, in, {});
        width = decoded.Width * 20;
        height = decoded.Height * 20;
    } catch (const Error&) {
        return std::nullopt;
    }
    std::vector<uint8_t> movie = {'F', 'W', 'S', 8, 0, 0, 0, 0};
    Bits header;
    Rect(header, width, height);
    header.U16(12 << 8); // frames per second, 8.8
    header.U16(1);
    movie.insert(movie.end(), header.Bytes().begin(), header.Bytes().end());
    std::vector<uint8_t> bits = {1, 0};
    bits.insert(bits.end(), image.begin(), image.end());
    Tag(movie, tagcode::DefineBitsJpeg2, bits);
    Tag(movie, tagcode::DefineShape, Shape(width, height));
    Tag(movie, tagcode::PlaceObject2, {0x02, 1, 0, 2, 0});
    Tag(movie, tagcode::ShowFrame, {});
    Tag(movie, tagcode::End, {});
    uint32_t length = uint32_t(movie.size());
    for (int i = 0; i < 4; ++i)
        movie[size_t(4 + i)] = uint8_t(length >> (8 * i));
    return movie;
}

} // namespace swf
