#include "swf/sound/SoundFormat.h"

namespace swf::sound {

SoundFormat SoundFormat::FromBits(uint8_t bits) {
    static constexpr double Rates[] = {OutputRate / 8.0, OutputRate / 4.0, OutputRate / 2.0, OutputRate};
    SoundFormat f;
    f.Format = static_cast<Codec>(bits >> 4);
    f.Rate = Rates[(bits >> 2) & 3];
    f.SixteenBit = (bits & 2) != 0;
    f.Stereo = (bits & 1) != 0;
    return f;
}

} // namespace swf::sound
