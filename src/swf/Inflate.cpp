#include "swf/Inflate.h"

#include "swf/Error.h"

#include <zlib.h>

#include <algorithm>

namespace swf {

// The output grows with what the stream really holds, so a header that
// promises a huge image costs nothing until the data is there.
std::vector<uint8_t> InflateAtMost(std::span<const uint8_t> data, size_t limit) {
    constexpr size_t FirstStep = 64 * 1024;
    std::vector<uint8_t> out;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        throw Error("out of memory");
    zs.next_in = const_cast<Bytef*>(data.data());
    zs.avail_in = static_cast<uInt>(data.size());
    int status = Z_OK;
    while (status == Z_OK && out.size() < limit) {
        size_t have = out.size();
        out.resize(std::min(limit, std::max(have * 2, FirstStep)));
        zs.next_out = out.data() + have;
        zs.avail_out = static_cast<uInt>(out.size() - have);
        status = inflate(&zs, Z_NO_FLUSH);
        out.resize(out.size() - zs.avail_out);
    }
    inflateEnd(&zs);
    if (status == Z_DATA_ERROR || status == Z_STREAM_ERROR || status == Z_MEM_ERROR || status == Z_NEED_DICT)
        ThrowDamaged("compressed image data is corrupt");
    return out;
}

std::vector<uint8_t> InflateExactly(std::span<const uint8_t> data, size_t size) {
    std::vector<uint8_t> out = InflateAtMost(data, size);
    out.resize(size, 0);
    return out;
}

} // namespace swf
