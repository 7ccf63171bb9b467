#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace testing_support {

// A fresh folder under the temporary folder, filled by the test and removed
// with everything in it at the end (the process's current folder is moved
// out of it first).
class TempFolder {
public:
    explicit TempFolder(const std::wstring& name);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return (path_ / name).wstring(); }

    // A movie of `frames` frames at `framesPerSecond`.
    std::wstring AddMovie(const std::wstring& name, int frames = 10, double framesPerSecond = 12);
    std::wstring AddFile(const std::wstring& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
    std::wstring AddFolder(const std::wstring& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL);

private:
    std::filesystem::path path_;
};

} // namespace testing_support
