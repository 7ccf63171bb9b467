#pragma once

#include "swf/sound/SoundFormat.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace swf {
class ByteReader;
}

namespace swf::sound {

// DefineSound: the stored sound; Data points into the movie's bytes.
struct SoundDefinition {
    uint16_t Id = 0;
    SoundFormat Format;
    uint32_t SampleCount = 0; // per channel
    std::span<const uint8_t> Data;
};

// A volume change point: from Position44 (in 44.1 kHz samples of the
// sound) on, the levels move linearly towards the next point.
struct EnvelopePoint {
    uint32_t Position44 = 0;
    uint16_t Left = 32768, Right = 32768; // 32768 is full volume
};

// How StartSound plays (or stops) a sound. In and out points count 44.1 kHz
// samples, whatever the sound's own rate.
struct SoundInfo {
    bool Stop = false;
    bool NoMultiple = false;
    std::optional<uint32_t> InPoint, OutPoint;
    uint16_t Loops = 1;
    std::vector<EnvelopePoint> Envelope;
};

struct StartSoundTag {
    uint16_t Id = 0;
    SoundInfo Info;
};

// SoundStreamHead and SoundStreamHead2: the format of a timeline's stream.
struct StreamHead {
    SoundFormat Format;
    uint16_t SamplesPerFrame = 0;
    int16_t LatencySeek = 0; // MP3 only
};

// The parsers throw swf::Error on damage.
SoundDefinition ParseDefineSound(std::span<const uint8_t> body);
StartSoundTag ParseStartSound(std::span<const uint8_t> body);
StreamHead ParseStreamHead(std::span<const uint8_t> body);
SoundInfo ReadSoundInfo(ByteReader& in);

} // namespace swf::sound
