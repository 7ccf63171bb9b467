#include "swf/sound/RateConverter.h"

#include "swf/sound/SoundFormat.h"

#include <algorithm>
#include <cmath>

namespace swf::sound {

RateConverter::RateConverter(double sourceRate) {
    // Rates beyond 64 times the output would step past whole blocks; such a
    // sound is played at that limit.
    double ratio = std::clamp(sourceRate / OutputRate, 1.0 / 65536, 64.0);
    step_ = static_cast<uint64_t>(std::llround(std::ldexp(ratio, 32)));
}

size_t RateConverter::SourceFramesFor(size_t outputFrames) const {
    return static_cast<size_t>((position_ + step_ * outputFrames) >> 32) + 2;
}

size_t RateConverter::Convert(std::span<const int16_t> source, int channels, std::span<int32_t> out) {
    const size_t c = static_cast<size_t>(channels);
    const size_t frames = source.size() / c;
    const size_t right = c > 1 ? 1 : 0;
    size_t written = 0;
    for (; written * 2 < out.size(); ++written, position_ += step_) {
        size_t i = static_cast<size_t>(position_ >> 32);
        if (i >= frames)
            break;
        size_t next = i + 1 < frames ? i + 1 : i;
        int64_t fraction = static_cast<int64_t>(position_ & 0xFFFFFFFFu);
        for (size_t side = 0; side < 2; ++side) {
            int64_t a = source[i * c + side * right], b = source[next * c + side * right];
            out[written * 2 + side] = static_cast<int32_t>(a + (((b - a) * fraction) >> 32));
        }
    }
    return written;
}

} // namespace swf::sound
