#include "SoundReference.h"

#include "swf/ByteReader.h"
#include "swf/Error.h"
#include "swf/sound/AdpcmTables.h"

#include <algorithm>
#include <cmath>

namespace testing_swf {
namespace {

struct AdpcmChannel {
    int Sample = 0, Index = 0;
};

int16_t ReferenceStep(AdpcmChannel& c, uint32_t code, int bits) {
    int step = swf::sound::AdpcmStepSizes[size_t(c.Index)];
    int difference = 0;
    for (uint32_t k = 1u << (bits - 2); k != 0; k >>= 1) {
        if (code & k)
            difference += step;
        step >>= 1;
    }
    difference += step;
    bool negative = (code >> (bits - 1)) & 1;
    c.Sample += negative ? -difference : difference;
    c.Sample = std::max(-32768, std::min(32767, c.Sample));
    uint32_t magnitude = code & ((1u << (bits - 1)) - 1);
    c.Index = std::max(0, std::min(88, c.Index + swf::sound::AdpcmIndexShifts[bits - 2][magnitude]));
    return int16_t(c.Sample);
}

} // namespace

std::vector<int16_t> ReferenceAdpcm(std::span<const uint8_t> data, int channels, size_t maxFrames) {
    std::vector<int16_t> out;
    swf::ByteReader in(data);
    try {
        int bits = int(in.UBits(2)) + 2;
        AdpcmChannel state[2];
        for (size_t frame = 0; frame < maxFrames; ++frame) {
            std::vector<int16_t> samples;
            for (int ch = 0; ch < channels; ++ch) {
                if (frame % 4096 == 0) {
                    state[ch].Sample = in.SBits(16);
                    state[ch].Index = int(in.UBits(6));
                    samples.push_back(int16_t(state[ch].Sample));
                } else {
                    samples.push_back(ReferenceStep(state[ch], in.UBits(unsigned(bits)), bits));
                }
            }
            out.insert(out.end(), samples.begin(), samples.end());
        }
    } catch (const swf::Error&) {
        // The data ends inside a frame: the sound ends before it.
    }
    return out;
}

std::vector<int32_t> ReferenceResample(std::span<const int16_t> source, int channels, double rate,
                                       size_t frames) {
    size_t count = source.size() / size_t(channels);
    std::vector<int32_t> out;
    for (size_t k = 0; k < frames; ++k) {
        double x = double(k) * rate / 44100.0;
        auto i = size_t(std::floor(x));
        if (i >= count)
            break;
        size_t j = std::min(i + 1, count - 1);
        double fraction = x - double(i);
        for (int side = 0; side < 2; ++side) {
            int ch = channels == 2 ? side : 0;
            double a = source[i * size_t(channels) + size_t(ch)],
                   b = source[j * size_t(channels) + size_t(ch)];
            out.push_back(int32_t(std::floor(a + (b - a) * fraction)));
        }
    }
    return out;
}

std::vector<int16_t> Mix(swf::Player& player, size_t frames) {
    std::vector<int16_t> out(frames * 2, 12345);
    player.MixAudio(out);
    return out;
}

} // namespace testing_swf
