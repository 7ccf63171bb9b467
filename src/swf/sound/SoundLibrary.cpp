#include "swf/sound/SoundLibrary.h"

#include "swf/Error.h"
#include "swf/TagCodes.h"
#include "swf/sound/SoundDecoder.h"

namespace swf::sound {

SoundLibrary::SoundLibrary(const std::vector<Tag>& tags) {
    for (const Tag& tag : tags) {
        if (tag.Code != tagcode::DefineSound)
            continue;
        try {
            SoundDefinition d = ParseDefineSound(tag.Body);
            definitions_.insert_or_assign(d.Id, d);
        } catch (const Error& e) {
            problems_.push_back(std::string("sound: ") + e.what());
        }
    }
}

void SoundLibrary::Note(uint16_t id, const std::string& problem) {
    problems_.push_back("sound " + std::to_string(id) + ": " + problem);
    decoded_[id] = nullptr;
}

std::shared_ptr<const PcmSound> SoundLibrary::Find(uint16_t id) {
    if (auto it = decoded_.find(id); it != decoded_.end())
        return it->second;
    auto definition = definitions_.find(id);
    if (definition == definitions_.end())
        return nullptr;
    try {
        auto sound = std::make_shared<const PcmSound>(DecodeSound(definition->second));
        size_t bytes = sound->Samples.size() * sizeof(int16_t);
        if (bytes > MaxDecodedBytes - decodedBytes_) {
            Note(id, "too much sound to keep in memory");
            return nullptr;
        }
        decodedBytes_ += bytes;
        decoded_[id] = sound;
        return sound;
    } catch (const Error& e) {
        Note(id, e.what());
    } catch (const std::bad_alloc&) {
        Note(id, "not enough memory");
    }
    return nullptr;
}

std::optional<double> SoundLibrary::DurationMs(uint16_t id) const {
    auto it = definitions_.find(id);
    if (it == definitions_.end() || it->second.Format.Rate <= 0)
        return std::nullopt;
    return it->second.SampleCount / it->second.Format.Rate * 1000;
}

} // namespace swf::sound
