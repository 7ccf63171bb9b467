#include "swf/Container.h"

#include "swf/Error.h"
#include "swf/Lzma.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace swf {
namespace {

constexpr size_t HeaderSize = 8;

uint32_t DeclaredLength(std::span<const uint8_t> file) {
    return uint32_t(file[4]) | uint32_t(file[5]) << 8 | uint32_t(file[6]) << 16 | uint32_t(file[7]) << 24;
}

// Inflates the body after the header. A body that ends early keeps what was
// inflated: the tag walk then reports where the movie is cut short.
std::vector<uint8_t> Inflate(std::span<const uint8_t> body, std::vector<uint8_t> out) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        throw Error("out of memory");
    zs.next_in = const_cast<Bytef*>(body.data());
    zs.avail_in = static_cast<uInt>(body.size());
    zs.next_out = out.data() + HeaderSize;
    zs.avail_out = static_cast<uInt>(out.size() - HeaderSize);
    int status = inflate(&zs, Z_FINISH);
    size_t produced = HeaderSize + zs.total_out;
    inflateEnd(&zs);
    if (status != Z_STREAM_END && status != Z_BUF_ERROR && status != Z_OK)
        ThrowDamaged("compressed data is corrupt");
    out.resize(produced);
    return out;
}

} // namespace

std::vector<uint8_t> DecodeContainer(std::span<const uint8_t> file) {
    if (file.size() < HeaderSize || file[1] != 'W' || file[2] != 'S' ||
        (file[0] != 'F' && file[0] != 'C' && file[0] != 'Z'))
        throw Error("not a Flash movie");
    uint32_t length = DeclaredLength(file);
    if (length < HeaderSize)
        ThrowDamaged("header length is too small");
    if (length > MaxMovieLength)
        ThrowDamaged("movie is too large");

    if (file[0] == 'F') {
        // Trailing bytes beyond the declared length are ignored; a shorter
        // file is kept as it is and the tag walk reports the truncation.
        size_t size = std::min<size_t>(length, file.size());
        return {file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)};
    }
    std::vector<uint8_t> out(length);
    std::memcpy(out.data(), file.data(), HeaderSize);
    out[0] = 'F';
    if (file[0] == 'C')
        return Inflate(file.subspan(HeaderSize), std::move(out));
    // "ZWS": the compressed length (4 bytes) precedes the LZMA properties.
    if (file.size() < HeaderSize + 4)
        ThrowDamaged("compressed data is corrupt");
    out.resize(HeaderSize + DecodeLzma(file.subspan(HeaderSize + 4), out, HeaderSize));
    return out;
}

} // namespace swf
