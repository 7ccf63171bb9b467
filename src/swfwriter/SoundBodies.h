#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace swfw {

// The format byte of DefineSound and the stream heads: codec (0 native PCM,
// 1 ADPCM, 2 MP3, 3 little-endian PCM), rate code (0 5.5 kHz .. 3 44 kHz).
uint8_t SoundFormatBits(int codec, int rateCode, bool sixteenBit, bool stereo);

std::vector<uint8_t> DefineSoundBody(uint16_t id, uint8_t format, uint32_t sampleCount,
                                     std::span<const uint8_t> data);

struct SoundEnvelopePoint {
    uint32_t Position44;
    uint16_t Left, Right;
};

struct SoundStart {
    bool Stop = false;
    bool NoMultiple = false;
    std::optional<uint32_t> InPoint, OutPoint;
    std::optional<uint16_t> Loops;
    std::vector<SoundEnvelopePoint> Envelope;
};
std::vector<uint8_t> StartSoundBody(uint16_t id, const SoundStart& start);

// SoundStreamHead2 (the latency only for MP3) and an MP3 stream block.
std::vector<uint8_t> StreamHeadBody(uint8_t format, uint16_t samplesPerFrame, int16_t latency = 0);
std::vector<uint8_t> Mp3StreamBlockBody(uint16_t sampleCount, int16_t seek, std::span<const uint8_t> frames);

// The frames of an MPEG audio file (layer III), each with its header, as
// the stream blocks carry them; anything before the first frame is skipped.
std::vector<std::span<const uint8_t>> SplitMp3Frames(std::span<const uint8_t> file);

// 16-bit samples as little-endian bytes; 8-bit ones as unsigned bytes.
std::vector<uint8_t> PcmBytes(std::span<const int16_t> samples, bool sixteenBit);

} // namespace swfw
