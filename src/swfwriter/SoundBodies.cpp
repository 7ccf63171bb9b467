#include "swfwriter/SoundBodies.h"

#include "swfwriter/SwfWriter.h"

namespace swfw {

uint8_t SoundFormatBits(int codec, int rateCode, bool sixteenBit, bool stereo) {
    return static_cast<uint8_t>(codec << 4 | rateCode << 2 | (sixteenBit ? 2 : 0) | (stereo ? 1 : 0));
}

std::vector<uint8_t> DefineSoundBody(uint16_t id, uint8_t format, uint32_t sampleCount,
                                     std::span<const uint8_t> data) {
    BitWriter out;
    out.U16(id);
    out.U8(format);
    out.U32(sampleCount);
    out.Bytes(data);
    return out.Data();
}

std::vector<uint8_t> StartSoundBody(uint16_t id, const SoundStart& s) {
    BitWriter out;
    out.U16(id);
    out.U8(static_cast<uint8_t>((s.Stop ? 0x20 : 0) | (s.NoMultiple ? 0x10 : 0) |
                                (s.Envelope.empty() ? 0 : 0x08) | (s.Loops ? 0x04 : 0) |
                                (s.OutPoint ? 0x02 : 0) | (s.InPoint ? 0x01 : 0)));
    if (s.InPoint)
        out.U32(*s.InPoint);
    if (s.OutPoint)
        out.U32(*s.OutPoint);
    if (s.Loops)
        out.U16(*s.Loops);
    if (!s.Envelope.empty()) {
        out.U8(static_cast<uint8_t>(s.Envelope.size()));
        for (const SoundEnvelopePoint& p : s.Envelope) {
            out.U32(p.Position44);
            out.U16(p.Left);
            out.U16(p.Right);
        }
    }
    return out.Data();
}

std::vector<uint8_t> StreamHeadBody(uint8_t format, uint16_t samplesPerFrame, int16_t latency) {
    BitWriter out;
    out.U8(format & 0x0F);
    out.U8(format);
    out.U16(samplesPerFrame);
    if ((format >> 4) == 2)
        out.U16(static_cast<uint16_t>(latency));
    return out.Data();
}

std::vector<uint8_t> Mp3StreamBlockBody(uint16_t sampleCount, int16_t seek, std::span<const uint8_t> frames) {
    BitWriter out;
    out.U16(sampleCount);
    out.U16(static_cast<uint16_t>(seek));
    out.Bytes(frames);
    return out.Data();
}

std::vector<std::span<const uint8_t>> SplitMp3Frames(std::span<const uint8_t> file) {
    static constexpr int Kbps[2][16] = {
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}};
    static constexpr int Rates[4] = {44100, 48000, 32000, 0};
    std::vector<std::span<const uint8_t>> frames;
    size_t pos = 0;
    while (pos + 4 <= file.size()) {
        const uint8_t* h = file.data() + pos;
        bool sync = h[0] == 0xFF && (h[1] & 0xE0) == 0xE0 && ((h[1] >> 1) & 3) == 1;
        int version = (h[1] >> 3) & 3; // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
        int kbps = Kbps[version == 3][h[2] >> 4], rate = Rates[(h[2] >> 2) & 3];
        if (!sync || version == 1 || kbps == 0 || rate == 0) {
            ++pos;
            continue;
        }
        rate >>= version == 3 ? 0 : version == 2 ? 1 : 2;
        size_t length =
            static_cast<size_t>((version == 3 ? 144000 : 72000) * kbps / rate + ((h[2] >> 1) & 1));
        if (pos + length > file.size())
            break;
        frames.push_back(file.subspan(pos, length));
        pos += length;
    }
    return frames;
}

std::vector<uint8_t> PcmBytes(std::span<const int16_t> samples, bool sixteenBit) {
    std::vector<uint8_t> bytes;
    for (int16_t s : samples) {
        if (sixteenBit) {
            bytes.push_back(static_cast<uint8_t>(s & 0xFF));
            bytes.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
        } else {
            bytes.push_back(static_cast<uint8_t>((s >> 8) + 128));
        }
    }
    return bytes;
}

} // namespace swfw
