#pragma once

#include "swf/sound/SoundTags.h"

namespace swf::sound {

// The longest sound decoded whole: ten minutes at 44.1 kHz. Longer ones
// are cut there, so a lying sample count cannot exhaust memory.
inline constexpr size_t MaxSoundFrames = size_t{OutputRate} * 600;

// All the samples of a DefineSound. Throws swf::Error for the codecs not
// played (Nellymoser, Speex) and for MP3 data that cannot be decoded.
PcmSound DecodeSound(const SoundDefinition& sound);

// True for the codecs the engine plays.
bool IsPlayable(Codec codec);

} // namespace swf::sound
