#include "swf/Lzma.h"

#include "swf/Error.h"

#include <lzma.h>

#include <algorithm>
#include <cstdlib>

namespace swf {
namespace {

constexpr size_t PropertiesSize = 5;

struct StreamGuard {
    lzma_stream Stream = LZMA_STREAM_INIT;
    void* Options = nullptr;
    ~StreamGuard() {
        lzma_end(&Stream);
        std::free(Options);
    }
};

} // namespace

size_t DecodeLzma(std::span<const uint8_t> input, std::vector<uint8_t>& out, size_t offset) {
    if (input.size() < PropertiesSize)
        ThrowDamaged("compressed data is corrupt");
    StreamGuard guard;
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
    if (lzma_properties_decode(&filters[0], nullptr, input.data(), PropertiesSize) != LZMA_OK)
        ThrowDamaged("compressed data is corrupt");
    guard.Options = filters[0].options;
    // The dictionary never needs to be larger than the movie; the header's
    // figure is not trusted for an allocation.
    auto* options = static_cast<lzma_options_lzma*>(filters[0].options);
    options->dict_size =
        std::clamp<uint32_t>(options->dict_size, LZMA_DICT_SIZE_MIN,
                             static_cast<uint32_t>(std::max<size_t>(out.size(), LZMA_DICT_SIZE_MIN)));
    if (lzma_raw_decoder(&guard.Stream, filters) != LZMA_OK)
        throw Error("out of memory");
    guard.Stream.next_in = input.data() + PropertiesSize;
    guard.Stream.avail_in = input.size() - PropertiesSize;
    guard.Stream.next_out = out.data() + offset;
    guard.Stream.avail_out = out.size() - offset;
    lzma_ret status = LZMA_OK;
    while (status == LZMA_OK && guard.Stream.avail_out > 0 && guard.Stream.avail_in > 0)
        status = lzma_code(&guard.Stream, LZMA_RUN);
    if (status != LZMA_OK && status != LZMA_STREAM_END && status != LZMA_BUF_ERROR)
        ThrowDamaged("compressed data is corrupt");
    return guard.Stream.total_out;
}

} // namespace swf
