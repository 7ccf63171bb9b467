#include "swf/sound/SoundDecoder.h"

#include "swf/ByteReader.h"
#include "swf/Error.h"
#include "swf/sound/AdpcmDecoder.h"
#include "swf/sound/Mp3Decoder.h"
#include "swf/sound/PcmDecoder.h"

#include <algorithm>

namespace swf::sound {
namespace {

// The frames before `seek` are the encoder's start-up delay, not sound.
PcmSound DecodeMp3(std::span<const uint8_t> data, size_t frames) {
    ByteReader in(data);
    auto seek = static_cast<int16_t>(in.U16());
    size_t skip = static_cast<size_t>(std::max<int>(seek, 0));
    PcmSound sound;
    Mp3Decoder decoder;
    decoder.Decode(in.Bytes(in.Remaining()), sound, std::min(frames + skip, MaxSoundFrames));
    if (sound.Samples.empty())
        throw Error("the MP3 sound cannot be decoded");
    size_t dropped = std::min(skip, sound.Frames()) * 2;
    sound.Samples.erase(sound.Samples.begin(), sound.Samples.begin() + static_cast<ptrdiff_t>(dropped));
    sound.Samples.resize(std::min(sound.Samples.size(), frames * 2));
    return sound;
}

} // namespace

bool IsPlayable(Codec codec) {
    return codec == Codec::PcmNative || codec == Codec::PcmLittle || codec == Codec::Adpcm ||
           codec == Codec::Mp3;
}

PcmSound DecodeSound(const SoundDefinition& sound) {
    const SoundFormat& f = sound.Format;
    if (!IsPlayable(f.Format))
        throw Error("sound format " + std::to_string(static_cast<int>(f.Format)) + " is not supported");
    size_t frames = std::min<size_t>(sound.SampleCount, MaxSoundFrames);
    if (f.Format == Codec::Mp3)
        return DecodeMp3(sound.Data, frames);
    PcmSound pcm;
    pcm.Rate = f.Rate;
    pcm.Channels = f.Channels();
    if (f.Format == Codec::Adpcm)
        DecodeAdpcm(sound.Data, f.Channels(), frames, pcm.Samples);
    else
        DecodePcm(f, sound.Data, frames, pcm.Samples);
    return pcm;
}

} // namespace swf::sound
