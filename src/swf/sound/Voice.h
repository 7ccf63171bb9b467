#pragma once

#include <cstdint>
#include <span>

namespace swf::sound {

// Something the mixer plays: it adds its next output frames (44.1 kHz,
// left and right interleaved) into the mix.
class Voice {
public:
    virtual ~Voice() = default;
    // Adds up to out.size() / 2 frames into `mix`; false once it has ended.
    virtual bool MixInto(std::span<int32_t> mix) = 0;
};

} // namespace swf::sound
