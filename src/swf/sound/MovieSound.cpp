#include "swf/sound/MovieSound.h"

#include "swf/Error.h"
#include "swf/TagCodes.h"
#include "swf/sound/SoundDecoder.h"

#include <algorithm>

namespace swf::sound {
namespace {

bool HasBlock(const TagList& frames, uint32_t frame) {
    for (size_t i = frames.FrameStart(frame); i < frames.FrameStart(frame + 1); ++i)
        if (frames.Tags[i].Code == tagcode::SoundStreamBlock)
            return true;
    return false;
}

// The stream head in force at `frame`: the last one up to its end.
std::optional<StreamHead> HeadAt(const TagList& frames, uint32_t frame) {
    std::optional<StreamHead> head;
    for (size_t i = 0; i < frames.FrameStart(frame + 1); ++i) {
        const Tag& tag = frames.Tags[i];
        if (tag.Code == tagcode::SoundStreamHead || tag.Code == tagcode::SoundStreamHead2) {
            try {
                head = ParseStreamHead(tag.Body);
            } catch (const Error&) {
                // A damaged head leaves the one before it in force.
            }
        }
    }
    return head;
}

} // namespace

MovieSound::MovieSound(const std::vector<Tag>& tags) : library_(tags) {}

void MovieSound::FrameEntered(const void* timeline, const TagList& frames, uint32_t frame) {
    if (frame >= frames.FramesInStream())
        return;
    for (size_t i = frames.FrameStart(frame); i < frames.FrameStart(frame + 1); ++i)
        if (frames.Tags[i].Code == tagcode::StartSound)
            Start(frames.Tags[i]);
    Stream(timeline, frames, frame);
}

void MovieSound::Start(const Tag& tag) {
    StartSoundTag start;
    try {
        start = ParseStartSound(tag.Body);
    } catch (const Error&) {
        return; // a damaged tag starts nothing
    }
    if (start.Info.Stop) {
        mixer_.StopEvents(start.Id);
        return;
    }
    if (start.Info.NoMultiple && mixer_.IsPlaying(start.Id))
        return;
    if (auto sound = library_.Find(start.Id))
        mixer_.Start(std::make_unique<EventVoice>(start.Id, std::move(sound), start.Info));
}

void MovieSound::StartSound(uint16_t id, double offset, int loops) {
    SoundInfo info;
    if (offset > 0 && offset < 86400)
        info.InPoint = static_cast<uint32_t>(offset * OutputRate);
    info.Loops = static_cast<uint16_t>(std::clamp(loops, 1, 0xFFFF));
    if (auto sound = library_.Find(id))
        mixer_.Start(std::make_unique<EventVoice>(id, std::move(sound), info));
}

void MovieSound::Stream(const void* timeline, const TagList& frames, uint32_t frame) {
    auto [it, fresh] = tracks_.try_emplace(timeline);
    Track& track = it->second;
    bool following = !fresh && track.LastFrame + 1 == frame;
    track.LastFrame = frame;
    track.Ran = true;
    const StreamVoice* voice = mixer_.Stream(timeline);
    if (!following)
        mixer_.StopStream(timeline);
    else if (voice && frame < voice->NextFrame())
        return; // the voice has read this frame's block already
    if (HasBlock(frames, frame))
        StartStream(timeline, frames, frame);
}

void MovieSound::StartStream(const void* timeline, const TagList& frames, uint32_t frame) {
    auto head = HeadAt(frames, frame);
    if (!head || !IsPlayable(head->Format.Format)) {
        mixer_.StopStream(timeline);
        return;
    }
    try {
        mixer_.SetStream(timeline, std::make_unique<StreamVoice>(frames, *head, frame));
    } catch (const Error&) {
        mixer_.StopStream(timeline); // no MP3 decoder: the stream stays silent
    }
}

void MovieSound::TimelineEnded(const void* timeline) {
    mixer_.StopStream(timeline);
    tracks_.erase(timeline);
}

void MovieSound::EndTick() {
    for (auto it = tracks_.begin(); it != tracks_.end();) {
        if (!it->second.Ran) {
            mixer_.StopStream(it->first);
            it = tracks_.erase(it);
        } else {
            it->second.Ran = false;
            ++it;
        }
    }
}

void MovieSound::StopAll() {
    mixer_.StopAll();
    tracks_.clear();
}

void MovieSound::StopStreams() {
    mixer_.StopStreams();
    tracks_.clear();
}

std::optional<double> MovieSound::StreamPosition(const void* timeline) const {
    const StreamVoice* voice = mixer_.Stream(timeline);
    if (!voice || voice->Finished())
        return std::nullopt;
    return voice->Position();
}

} // namespace swf::sound
