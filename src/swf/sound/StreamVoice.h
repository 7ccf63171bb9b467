#pragma once

#include "swf/TagList.h"
#include "swf/sound/Mp3Decoder.h"
#include "swf/sound/RateConverter.h"
#include "swf/sound/SoundTags.h"
#include "swf/sound/Voice.h"

#include <memory>
#include <optional>
#include <vector>

namespace swf::sound {

// A timeline's stream sound. The movie is all in memory, so the voice reads
// the SoundStreamBlocks of the frames ahead itself, as far as the mix needs,
// and never runs dry while the frames keep up. It ends where the frames stop
// carrying blocks.
class StreamVoice : public Voice {
public:
    StreamVoice(const TagList& frames, const StreamHead& head, uint32_t firstFrame);
    ~StreamVoice() override;

    bool MixInto(std::span<int32_t> mix) override;

    // The timeline frame whose sound is being mixed, with the part of it
    // already mixed as the fraction.
    double Position() const;
    // The first frame whose block the voice has not read.
    uint32_t NextFrame() const { return nextFrame_; }
    // All its blocks are read and mixed.
    bool Finished() const { return finished_; }

private:
    bool DecodeNextBlock();
    void Decode(std::span<const uint8_t> body);
    void DropConsumed();

    const TagList& frames_;
    StreamHead head_;
    uint32_t nextFrame_;
    bool ended_ = false;
    bool finished_ = false;
    size_t skip_ = 0; // decoder start-up frames still to drop

    PcmSound buffer_;
    size_t base_ = 0; // the stream's frame number of buffer_'s first frame
    struct Block {
        uint32_t Frame;
        size_t Start; // in the stream's frames
    };
    std::vector<Block> blocks_;
    size_t declaredEnd_ = 0;
    std::unique_ptr<Mp3Decoder> mp3_;
    std::optional<RateConverter> converter_;
    std::vector<int32_t> scratch_;
};

} // namespace swf::sound
