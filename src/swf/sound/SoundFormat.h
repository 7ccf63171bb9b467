#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace swf::sound {

// The codecs a sound or a stream may be stored in, by their code.
enum class Codec : uint8_t {
    PcmNative = 0, // written by the authoring tools in little-endian order
    Adpcm = 1,
    Mp3 = 2,
    PcmLittle = 3,
    Nellymoser16k = 4,
    Nellymoser8k = 5,
    Nellymoser = 6,
    Speex = 11,
};

// How a sound's samples are stored: the byte of bit fields that DefineSound
// and the stream heads carry.
struct SoundFormat {
    Codec Format = Codec::PcmLittle;
    double Rate = 44100; // the lowest rate is 5512.5 Hz, an eighth of 44.1 kHz
    bool SixteenBit = true;
    bool Stereo = false;

    int Channels() const { return Stereo ? 2 : 1; }
    static SoundFormat FromBits(uint8_t bits);
};

// Decoded samples at their own rate, interleaved when stereo.
struct PcmSound {
    double Rate = 44100;
    int Channels = 1;
    std::vector<int16_t> Samples;

    size_t Frames() const { return Samples.size() / static_cast<size_t>(Channels); }
};

// The mixer's output: 44.1 kHz, 16-bit, stereo interleaved.
inline constexpr int OutputRate = 44100;
inline constexpr int OutputChannels = 2;

} // namespace swf::sound
