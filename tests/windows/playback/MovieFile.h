#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace testing_support {

// Movie bytes written to a temporary file for the control to open; the
// file goes with the object.
class MovieFile {
public:
    explicit MovieFile(const std::vector<uint8_t>& bytes)
        : path_(std::filesystem::temp_directory_path() /
                (L"kfp-movie-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count_) +
                 L".swf")) {
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    ~MovieFile() { std::filesystem::remove(path_); }
    MovieFile(const MovieFile&) = delete;
    MovieFile& operator=(const MovieFile&) = delete;
    std::wstring Path() const { return path_.wstring(); }

private:
    static inline int count_ = 0;
    std::filesystem::path path_;
};

} // namespace testing_support
