#include "swf/MovieLoader.h"

#include "swf/Container.h"
#include "swf/Error.h"
#include "swf/ImageMovie.h"
#include "swf/Movie.h"

#include <cctype>
#include <fstream>

namespace swf {
namespace {

// The local path a URL names: a relative path, or a file: URL. Other
// schemes name nothing here. A drive letter ("C:\...") is no scheme.
std::optional<std::filesystem::path> LocalPath(const std::filesystem::path& folder, std::string url) {
    size_t query = url.find_first_of("?#");
    if (query != std::string::npos)
        url.resize(query);
    if (url.empty())
        return std::nullopt;
    size_t colon = url.find(':');
    bool scheme =
        colon != std::string::npos && colon > 1 && url.find_first_of("/\\") > colon; // "http:", not "a/b:c"
    if (scheme) {
        if (url.compare(0, 7, "file://") != 0)
            return std::nullopt;
        return std::filesystem::path(url.substr(7));
    }
    if (folder.empty())
        return std::nullopt;
    return folder / url;
}

} // namespace

std::optional<std::vector<uint8_t>> MovieLoader::ReadLocal(const std::filesystem::path& folder,
                                                           const std::string& url) {
    auto path = LocalPath(folder, url);
    std::error_code ec;
    if (!path || !std::filesystem::is_regular_file(*path, ec))
        return std::nullopt;
    auto size = std::filesystem::file_size(*path, ec);
    if (ec || size > MaxMovieLength)
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    std::ifstream in(*path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return std::nullopt;
    return bytes;
}

std::shared_ptr<const Movie> MovieLoader::OpenMovie(const std::vector<uint8_t>& bytes) {
    if (movies_.size() >= MaxMovies)
        return nullptr;
    std::shared_ptr<const Movie> movie;
    try {
        auto image = ImageMovie(bytes);
        movie = Movie::Parse(image ? *image : bytes);
    } catch (const Error&) {
        return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    movies_.push_back(movie);
    return movie;
}

bool MovieLoader::Later(std::function<void()> task) {
    if (pending_.size() >= MaxPending)
        return false;
    pending_.push_back(std::move(task));
    return true;
}

void MovieLoader::RunDue(const Runner& run) { RunAll(pending_, run); }

void MovieLoader::RunSettled(const Runner& run) { RunAll(settled_, run); }

// The tasks there now; those they add wait for the next round.
void MovieLoader::RunAll(std::deque<std::function<void()>>& tasks, const Runner& run) {
    std::deque<std::function<void()>> due;
    due.swap(tasks);
    for (const auto& task : due)
        run(task);
}

std::optional<size_t> MovieLoader::LoadedBytes(const void* timeline) const {
    auto it = sizes_.find(timeline);
    return it == sizes_.end() ? std::nullopt : std::optional<size_t>(it->second);
}

} // namespace swf
