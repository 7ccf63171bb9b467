#include "playback/ApplicationFolder.h"

#include "playback/MovieNames.h"

#include <windows.h>

#include <stdexcept>

namespace playback {
namespace {

// Paths may be longer than MAX_PATH; the buffer grows until it fits.
std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            throw std::runtime_error("Cannot find the program's own file");
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768)
            throw std::runtime_error("The program's path is too long");
        path.resize(path.size() * 2);
    }
}

} // namespace

std::wstring ApplicationFolder() { return std::wstring(FolderOf(ExecutablePath())); }

std::wstring IntroMoviePath() { return ApplicationFolder() + std::wstring(IntroMovieName); }

} // namespace playback
