#pragma once

#include "swf/sound/Envelope.h"
#include "swf/sound/RateConverter.h"
#include "swf/sound/SoundTags.h"
#include "swf/sound/Voice.h"

#include <memory>
#include <vector>

namespace swf::sound {

// One playing instance of a defined sound, as StartSound asked: from its in
// point to its out point, as many times as it loops, through its envelope.
class EventVoice : public Voice {
public:
    EventVoice(uint16_t id, std::shared_ptr<const PcmSound> sound, const SoundInfo& info);

    uint16_t Id() const { return id_; }
    bool MixInto(std::span<int32_t> mix) override;

private:
    uint16_t id_;
    std::shared_ptr<const PcmSound> sound_;
    size_t first_ = 0, end_ = 0; // source frames played on each loop
    uint32_t loopsLeft_;
    uint64_t position44_; // where the envelope is
    RateConverter converter_;
    Envelope envelope_;
    std::vector<int32_t> scratch_;
};

} // namespace swf::sound
