#include "swf/sound/Mixer.h"

#include <algorithm>

namespace swf::sound {

void Mixer::Start(std::unique_ptr<EventVoice> voice) {
    if (events_.size() >= MaxEventVoices)
        events_.erase(events_.begin());
    events_.push_back(std::move(voice));
}

void Mixer::StopEvents(uint16_t id) {
    std::erase_if(events_, [id](const auto& v) { return v->Id() == id; });
}

bool Mixer::IsPlaying(uint16_t id) const {
    return std::any_of(events_.begin(), events_.end(), [id](const auto& v) { return v->Id() == id; });
}

void Mixer::SetStream(const void* timeline, std::unique_ptr<StreamVoice> voice) {
    streams_.insert_or_assign(timeline, std::move(voice));
}

void Mixer::StopStream(const void* timeline) { streams_.erase(timeline); }

const StreamVoice* Mixer::Stream(const void* timeline) const {
    auto it = streams_.find(timeline);
    return it == streams_.end() ? nullptr : it->second.get();
}

void Mixer::StopStreams() { streams_.clear(); }

void Mixer::StopAll() {
    events_.clear();
    streams_.clear();
}

void Mixer::Mix(std::span<int16_t> out) {
    sum_.assign(out.size() & ~size_t{1}, 0);
    std::erase_if(events_, [&](const auto& v) { return !v->MixInto(sum_); });
    // A stream that has run out stays until its timeline moves on, so that it
    // is not started again from frames it has already played.
    for (auto& [timeline, stream] : streams_)
        stream->MixInto(sum_);
    std::transform(sum_.begin(), sum_.end(), out.begin(),
                   [](int32_t v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); });
    std::fill(out.begin() + static_cast<ptrdiff_t>(sum_.size()), out.end(), int16_t{0});
}

} // namespace swf::sound
