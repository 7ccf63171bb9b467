#include "swf/sound/EventVoice.h"

#include <algorithm>

namespace swf::sound {
namespace {

size_t SourceFrame(uint32_t position44, double rate, size_t frames) {
    return std::min(static_cast<size_t>(position44 * rate / OutputRate), frames);
}

} // namespace

EventVoice::EventVoice(uint16_t id, std::shared_ptr<const PcmSound> sound, const SoundInfo& info)
    : id_(id), sound_(std::move(sound)), loopsLeft_(std::max<uint32_t>(info.Loops, 1)),
      position44_(info.InPoint.value_or(0)), converter_(sound_->Rate), envelope_(info.Envelope) {
    size_t frames = sound_->Frames();
    first_ = SourceFrame(info.InPoint.value_or(0), sound_->Rate, frames);
    end_ = info.OutPoint ? SourceFrame(*info.OutPoint, sound_->Rate, frames) : frames;
    if (end_ <= first_)
        loopsLeft_ = 0; // nothing between the points: nothing to play
}

bool EventVoice::MixInto(std::span<int32_t> mix) {
    const size_t c = static_cast<size_t>(sound_->Channels);
    std::span<const int16_t> range(sound_->Samples.data() + first_ * c, (end_ - first_) * c);
    scratch_.resize(mix.size());
    size_t done = 0;
    while (done * 2 < mix.size() && loopsLeft_ > 0) {
        size_t made = converter_.Convert(range, sound_->Channels, std::span(scratch_).subspan(done * 2));
        done += made;
        if (done * 2 < mix.size()) {
            // The loop's end: back to the in point, or the sound is over.
            --loopsLeft_;
            converter_.Rebase(end_ - first_);
        }
    }
    envelope_.Apply(position44_, std::span(scratch_).first(done * 2));
    position44_ += done;
    for (size_t i = 0; i < done * 2; ++i)
        mix[i] += scratch_[i];
    return loopsLeft_ > 0;
}

} // namespace swf::sound
