#include "swf/AssetImports.h"

#include "swf/ByteReader.h"
#include "swf/Container.h"
#include "swf/Error.h"
#include "swf/Movie.h"
#include "swf/TagCodes.h"

#include <fstream>

namespace swf {
namespace {

std::string ReadName(ByteReader& in) {
    std::string s;
    while (uint8_t c = in.U8())
        s += static_cast<char>(c);
    return s;
}

std::shared_ptr<const Movie> LoadLocal(const std::filesystem::path& folder, const std::string& url) {
    if (url.empty() || url.find("://") != std::string::npos || folder.empty())
        return nullptr;
    std::filesystem::path path = folder / url;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return nullptr;
    auto size = std::filesystem::file_size(path, ec);
    if (ec || size > MaxMovieLength)
        return nullptr;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return nullptr;
    try {
        return Movie::Parse(bytes);
    } catch (const Error&) {
        return nullptr;
    }
}

} // namespace

std::map<std::string, uint16_t> AssetImports::Exports(const Movie& movie) {
    std::map<std::string, uint16_t> names;
    for (const Tag& tag : movie.Tags()) {
        if (tag.Code != tagcode::ExportAssets)
            continue;
        try {
            ByteReader in(tag.Body);
            for (uint16_t n = in.U16(); n > 0; --n) {
                uint16_t id = in.U16();
                // A name exported twice keeps its first symbol.
                names.emplace(ReadName(in), id);
            }
        } catch (const Error&) {
            // A damaged list exports what was read before the damage.
        }
    }
    return names;
}

void AssetImports::Resolve(const Movie& movie, const std::filesystem::path& folder) {
    for (const Tag& tag : movie.Tags()) {
        if (tag.Code != tagcode::ImportAssets && tag.Code != tagcode::ImportAssets2)
            continue;
        if (movies_.size() >= MaxMovies)
            return;
        try {
            ByteReader in(tag.Body);
            std::string url = ReadName(in);
            if (tag.Code == tagcode::ImportAssets2)
                in.Skip(2);
            auto source = LoadLocal(folder, url);
            if (!source)
                continue;
            movies_.push_back(source);
            auto exported = Exports(*source);
            for (uint16_t n = in.U16(); n > 0; --n) {
                uint16_t id = in.U16();
                auto it = exported.find(ReadName(in));
                if (it == exported.end())
                    continue;
                if (const Character* c = source->Characters().Find(it->second))
                    characters_[id] = {c, &source->Characters()};
            }
        } catch (const Error&) {
            // A damaged import tag imports nothing more.
        }
    }
}

const AssetImports::Imported* AssetImports::Find(uint16_t id) const {
    auto it = characters_.find(id);
    return it == characters_.end() ? nullptr : &it->second;
}

} // namespace swf
