#pragma once

#include "swf/sound/SoundFormat.h"

#include <memory>
#include <span>

struct mpg123_handle_struct;

namespace swf::sound {

// MP3 frames to samples through libmpg123, fed piece by piece as a stream's
// blocks arrive. The output is always stereo; the rate is the stream's own.
class Mp3Decoder {
public:
    Mp3Decoder(); // throws swf::Error when the library cannot start
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    // Takes more data and appends what it completes to `out` (its rate set
    // from the first frame), until `out` holds maxFrames frames.
    void Decode(std::span<const uint8_t> data, PcmSound& out, size_t maxFrames);

private:
    struct Close {
        void operator()(mpg123_handle_struct* h) const;
    };
    std::unique_ptr<mpg123_handle_struct, Close> handle_;
};

} // namespace swf::sound
