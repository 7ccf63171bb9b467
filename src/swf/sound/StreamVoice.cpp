#include "swf/sound/StreamVoice.h"

#include "swf/ByteReader.h"
#include "swf/Error.h"
#include "swf/TagCodes.h"
#include "swf/sound/AdpcmDecoder.h"
#include "swf/sound/PcmDecoder.h"

#include <algorithm>

namespace swf::sound {
namespace {

// Frames without a block inside a stream happen where MP3 frames are longer
// than a movie frame; a longer run ends the stream.
constexpr uint32_t MaxGap = 4;
// No block holds more than this many frames of sound (16-bit PCM stereo at
// 44.1 kHz in a movie frame of over a second and a half).
constexpr size_t MaxBlockFrames = 65536;
// Consumed frames are dropped from the buffer in pieces of this size.
constexpr size_t DropThreshold = 16384;

const Tag* FindBlock(const TagList& frames, uint32_t frame) {
    for (size_t i = frames.FrameStart(frame); i < frames.FrameStart(frame + 1); ++i)
        if (frames.Tags[i].Code == tagcode::SoundStreamBlock)
            return &frames.Tags[i];
    return nullptr;
}

} // namespace

StreamVoice::StreamVoice(const TagList& frames, const StreamHead& head, uint32_t firstFrame)
    : frames_(frames), head_(head), nextFrame_(firstFrame) {
    buffer_.Rate = head.Format.Rate;
    buffer_.Channels = head.Format.Channels();
    if (head.Format.Format == Codec::Mp3)
        mp3_ = std::make_unique<Mp3Decoder>();
}

StreamVoice::~StreamVoice() = default;

bool StreamVoice::DecodeNextBlock() {
    for (uint32_t gap = 0; gap <= MaxGap && nextFrame_ < frames_.FramesInStream(); ++gap) {
        uint32_t frame = nextFrame_++;
        if (const Tag* block = FindBlock(frames_, frame)) {
            blocks_.push_back({frame, declaredEnd_});
            try {
                Decode(block->Body);
            } catch (const Error&) {
                // A damaged block is silence; the stream goes on.
            }
            declaredEnd_ = std::max(declaredEnd_, base_ + buffer_.Frames());
            return true;
        }
    }
    ended_ = true;
    return false;
}

void StreamVoice::Decode(std::span<const uint8_t> body) {
    size_t before = buffer_.Frames();
    if (mp3_) {
        ByteReader in(body);
        uint16_t declared = in.U16();
        auto seek = static_cast<int16_t>(in.U16());
        if (blocks_.size() == 1)
            skip_ = static_cast<size_t>(std::max<int>(seek, 0));
        declaredEnd_ += declared;
        mp3_->Decode(in.Bytes(in.Remaining()), buffer_, before + MaxBlockFrames);
    } else if (head_.Format.Format == Codec::Adpcm) {
        DecodeAdpcm(body, buffer_.Channels, MaxBlockFrames, buffer_.Samples);
    } else {
        DecodePcm(head_.Format, body, MaxBlockFrames, buffer_.Samples);
    }
    // The decoder's start-up delay is not part of the sound.
    size_t drop = std::min(skip_, buffer_.Frames() - before);
    auto at =
        buffer_.Samples.begin() + static_cast<ptrdiff_t>(before * static_cast<size_t>(buffer_.Channels));
    buffer_.Samples.erase(at, at + static_cast<ptrdiff_t>(drop * static_cast<size_t>(buffer_.Channels)));
    skip_ -= drop;
}

bool StreamVoice::MixInto(std::span<int32_t> mix) {
    size_t wanted = mix.size() / 2;
    while (!ended_ && (!converter_ || buffer_.Frames() < converter_->SourceFramesFor(wanted))) {
        if (DecodeNextBlock() && !converter_ && buffer_.Frames() > 0)
            converter_.emplace(buffer_.Rate);
    }
    if (!converter_) {
        finished_ = ended_;
        return !finished_;
    }
    scratch_.resize(mix.size());
    size_t made = converter_->Convert(buffer_.Samples, buffer_.Channels, scratch_);
    for (size_t i = 0; i < made * 2; ++i)
        mix[i] += scratch_[i];
    DropConsumed();
    finished_ = ended_ && made < wanted;
    return !finished_;
}

void StreamVoice::DropConsumed() {
    size_t consumed = std::min(converter_->Consumed(), buffer_.Frames());
    if (consumed < DropThreshold)
        return;
    buffer_.Samples.erase(buffer_.Samples.begin(),
                          buffer_.Samples.begin() +
                              static_cast<ptrdiff_t>(consumed * static_cast<size_t>(buffer_.Channels)));
    converter_->Rebase(consumed);
    base_ += consumed;
    // Keep the block the position is in and those after it.
    auto current =
        std::find_if(blocks_.begin(), blocks_.end(), [&](const Block& b) { return b.Start > base_; });
    if (current != blocks_.begin())
        blocks_.erase(blocks_.begin(), current - 1);
}

double StreamVoice::Position() const {
    if (blocks_.empty())
        return nextFrame_;
    size_t at = base_ + (converter_ ? converter_->Consumed() : 0);
    auto next = std::find_if(blocks_.begin(), blocks_.end(), [&](const Block& b) { return b.Start > at; });
    if (next == blocks_.begin())
        return blocks_.front().Frame;
    const Block& current = *(next - 1);
    size_t end = next == blocks_.end() ? declaredEnd_ : next->Start;
    if (end <= current.Start)
        return current.Frame + 1.0;
    return current.Frame + std::min(1.0, double(at - current.Start) / double(end - current.Start));
}

} // namespace swf::sound
