#include "swf/Inflate.h"

#include "swf/Error.h"

#include <zlib.h>

namespace swf {

std::vector<uint8_t> InflateAtMost(std::span<const uint8_t> data, size_t limit) {
    std::vector<uint8_t> out(limit, 0);
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        throw Error("out of memory");
    zs.next_in = const_cast<Bytef*>(data.data());
    zs.avail_in = static_cast<uInt>(data.size());
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    int status = out.empty() ? Z_STREAM_END : inflate(&zs, Z_FINISH);
    out.resize(out.size() - zs.avail_out);
    inflateEnd(&zs);
    if (status == Z_DATA_ERROR || status == Z_STREAM_ERROR || status == Z_MEM_ERROR ||
        (status == Z_NEED_DICT))
        ThrowDamaged("compressed image data is corrupt");
    return out;
}

std::vector<uint8_t> InflateExactly(std::span<const uint8_t> data, size_t size) {
    std::vector<uint8_t> out = InflateAtMost(data, size);
    out.resize(size, 0);
    return out;
}

} // namespace swf
