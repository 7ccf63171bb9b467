#include "swf/sound/Mp3Decoder.h"

#include "swf/Error.h"

#include <algorithm>
#include <array>
#include <mpg123.h>

namespace swf::sound {
namespace {

void StartLibrary() {
    static const int result = mpg123_init();
    if (result != MPG123_OK)
        throw Error("the MP3 decoder cannot start");
}

// Every rate the library knows, always as 16-bit stereo: mono frames are
// spread over both channels, so a stream never changes its layout.
void AcceptStereo16(mpg123_handle* h) {
    mpg123_format_none(h);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(h, rates[i], MPG123_STEREO, MPG123_ENC_SIGNED_16);
}

} // namespace

void Mp3Decoder::Close::operator()(mpg123_handle_struct* h) const { mpg123_delete(h); }

Mp3Decoder::Mp3Decoder() {
    StartLibrary();
    int error = MPG123_OK;
    handle_.reset(mpg123_new(nullptr, &error));
    if (!handle_)
        throw Error("the MP3 decoder cannot start");
    mpg123_param(handle_.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    AcceptStereo16(handle_.get());
    if (mpg123_open_feed(handle_.get()) != MPG123_OK)
        throw Error("the MP3 decoder cannot start");
}

Mp3Decoder::~Mp3Decoder() = default;

void Mp3Decoder::Decode(std::span<const uint8_t> data, PcmSound& out, size_t maxFrames) {
    out.Channels = 2;
    if (!data.empty() && mpg123_feed(handle_.get(), data.data(), data.size()) != MPG123_OK)
        return;
    std::array<int16_t, 4608> buffer;
    while (out.Frames() < maxFrames) {
        size_t bytes = 0;
        int result = mpg123_read(handle_.get(), buffer.data(), sizeof buffer, &bytes);
        size_t room = (maxFrames - out.Frames()) * 2;
        size_t samples = std::min(bytes / sizeof(int16_t), room);
        out.Samples.insert(out.Samples.end(), buffer.begin(),
                           buffer.begin() + static_cast<ptrdiff_t>(samples));
        if (result == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(handle_.get(), &rate, &channels, &encoding);
            if (rate > 0)
                out.Rate = static_cast<double>(rate);
        } else if (result != MPG123_OK) {
            return; // needs more data, or the rest cannot be decoded
        }
    }
}

} // namespace swf::sound
