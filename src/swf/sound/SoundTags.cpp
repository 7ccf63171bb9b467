#include "swf/sound/SoundTags.h"

#include "swf/ByteReader.h"

namespace swf::sound {

SoundDefinition ParseDefineSound(std::span<const uint8_t> body) {
    ByteReader in(body);
    SoundDefinition d;
    d.Id = in.U16();
    d.Format = SoundFormat::FromBits(in.U8());
    d.SampleCount = in.U32();
    d.Data = in.Bytes(in.Remaining());
    return d;
}

SoundInfo ReadSoundInfo(ByteReader& in) {
    SoundInfo info;
    uint8_t flags = in.U8();
    info.Stop = (flags & 0x20) != 0;
    info.NoMultiple = (flags & 0x10) != 0;
    if (flags & 0x01)
        info.InPoint = in.U32();
    if (flags & 0x02)
        info.OutPoint = in.U32();
    if (flags & 0x04)
        info.Loops = in.U16();
    if (flags & 0x08) {
        uint8_t count = in.U8();
        for (uint8_t i = 0; i < count; ++i) {
            EnvelopePoint p;
            p.Position44 = in.U32();
            p.Left = in.U16();
            p.Right = in.U16();
            info.Envelope.push_back(p);
        }
    }
    return info;
}

StartSoundTag ParseStartSound(std::span<const uint8_t> body) {
    ByteReader in(body);
    StartSoundTag tag;
    tag.Id = in.U16();
    tag.Info = ReadSoundInfo(in);
    return tag;
}

StreamHead ParseStreamHead(std::span<const uint8_t> body) {
    ByteReader in(body);
    in.U8(); // the playback format is advisory; the stream's own format rules
    StreamHead head;
    head.Format = SoundFormat::FromBits(in.U8());
    head.SamplesPerFrame = in.U16();
    if (head.Format.Format == Codec::Mp3 && in.Remaining() >= 2)
        head.LatencySeek = static_cast<int16_t>(in.U16());
    return head;
}

} // namespace swf::sound
