#pragma once

#include "swf/Dictionary.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace swf {

class Movie;

// Characters a movie imports from other movies beside it (ImportAssets):
// each comes with the dictionary of the movie that defines it, which its
// own frames refer to. Only local files next to the movie are read; a
// missing or damaged one leaves its characters out.
class AssetImports {
public:
    struct Imported {
        const Character* Definition = nullptr;
        const Dictionary* Source = nullptr;
    };

    // Reads the movies the root timeline imports from, relative to `folder`.
    void Resolve(const Movie& movie, const std::filesystem::path& folder);
    const Imported* Find(uint16_t id) const;
    // The names a movie exports (ExportAssets), with their ids.
    static std::map<std::string, uint16_t> Exports(const Movie& movie);

private:
    // An imported movie may not import again: one level is enough for the
    // shared libraries of the era, and no chain of files can loop.
    static constexpr size_t MaxMovies = 16;

    std::vector<std::shared_ptr<const Movie>> movies_;
    std::map<uint16_t, Imported> characters_;
};

} // namespace swf
