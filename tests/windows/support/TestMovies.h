#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

// A movie written to a temporary file, removed again with the object.
class TempMovie {
public:
    TempMovie(const std::wstring& name, int frames, double framesPerSecond);
    ~TempMovie();
    TempMovie(const TempMovie&) = delete;
    TempMovie& operator=(const TempMovie&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace testing_support
