#pragma once

#include "swf/TagList.h"
#include "swf/sound/SoundTags.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace swf::sound {

// The sounds a movie defines, decoded on first use and kept. A sound that
// cannot be played (a codec not supported, damaged data, over the memory
// budget) is noted in Problems() once and stays silent.
class SoundLibrary {
public:
    // Decoded sounds of one movie together stay under this many bytes.
    static constexpr size_t MaxDecodedBytes = size_t{512} << 20;

    explicit SoundLibrary(const std::vector<Tag>& tags);

    // The samples of sound `id`, or null when there are none to play.
    std::shared_ptr<const PcmSound> Find(uint16_t id);
    // How long sound `id` plays once, in milliseconds, as its header says.
    std::optional<double> DurationMs(uint16_t id) const;
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    void Note(uint16_t id, const std::string& problem);

    std::map<uint16_t, SoundDefinition> definitions_;
    std::map<uint16_t, std::shared_ptr<const PcmSound>> decoded_; // null: cannot be played
    size_t decodedBytes_ = 0;
    std::vector<std::string> problems_;
};

} // namespace swf::sound
