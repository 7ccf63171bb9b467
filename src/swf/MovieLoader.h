#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace swf {

class Movie;

// What scripts load: XML and variable files, movies and images. Only local
// files are read, relative to the folder of the movie that plays; a URL
// with another scheme fails as a missing file does. The plug-in loads
// asynchronously, so a load's result is handed over on a later tick
// (RunDue), never while the script that asked runs.
class MovieLoader {
public:
    // Loads queued at once beyond this fail, so a script that loads in a
    // loop cannot queue without bound.
    static constexpr size_t MaxPending = 256;
    // Movies kept for the clips that play them.
    static constexpr size_t MaxMovies = 64;

    explicit MovieLoader(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // The bytes of a local file named by `url` (a path relative to
    // `folder`, or a file: URL); none for another scheme, a missing or
    // unreadable file, or one larger than the engine takes.
    static std::optional<std::vector<uint8_t>> ReadLocal(const std::filesystem::path& folder,
                                                         const std::string& url);
    std::optional<std::vector<uint8_t>> Read(const std::string& url) const { return ReadLocal(folder_, url); }

    // A movie from a loaded file: a SWF movie, or a JPEG, PNG or GIF image
    // made into a movie of one frame that shows it. Null for anything else,
    // and past MaxMovies. The movie stays alive as long as the loader, as
    // timelines may play it.
    std::shared_ptr<const Movie> OpenMovie(const std::vector<uint8_t>& bytes);

    // Runs `task` on the next tick; false when too many wait already.
    bool Later(std::function<void()> task);
    // Runs, through `run`, the tasks queued before this call; the ones they
    // queue wait for the next tick.
    using Runner = std::function<void(const std::function<void()>&)>;
    void RunDue(const Runner& run);
    // Runs `task` once the scripts the due tasks started have run (a loaded
    // clip's first frame included), in the same tick.
    void WhenSettled(std::function<void()> task) { settled_.push_back(std::move(task)); }
    void RunSettled(const Runner& run);

    // The size of the file a timeline plays, for its clip's byte counts.
    void SetLoadedBytes(const void* timeline, size_t bytes) { sizes_[timeline] = bytes; }
    std::optional<size_t> LoadedBytes(const void* timeline) const;

private:
    static void RunAll(std::deque<std::function<void()>>& tasks, const Runner& run);

    std::filesystem::path folder_;
    std::deque<std::function<void()>> pending_, settled_;
    std::vector<std::shared_ptr<const Movie>> movies_;
    std::map<const void*, size_t> sizes_;
};

} // namespace swf
