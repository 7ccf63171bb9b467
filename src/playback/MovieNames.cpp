#include "playback/MovieNames.h"

namespace playback {

std::wstring_view FolderOf(std::wstring_view path) {
    size_t last = path.find_last_of(L"\\:");
    return last == std::wstring_view::npos ? std::wstring_view{} : path.substr(0, last + 1);
}

std::wstring MovieTitle(std::wstring_view movie) {
    std::wstring_view name = movie.substr(FolderOf(movie).size());
    if (name.size() <= 4)
        return {};
    return std::wstring(name.substr(0, name.size() - 4));
}

bool UserMovieLoaded(std::wstring_view movie, std::wstring_view introPath) {
    return movie != NoMovieText && movie != introPath;
}

std::wstring FrameText(int currentFrame, int totalFrames) {
    return std::to_wstring(currentFrame) + L"/" + std::to_wstring(totalFrames);
}

} // namespace playback
