#include "TempFolder.h"

#include "swfwriter/SwfWriter.h"

#include <fstream>
#include <stdexcept>

namespace testing_support {

TempFolder::TempFolder(const std::wstring& name) {
    path_ =
        std::filesystem::temp_directory_path() / (L"kfp " + name + L" " + std::to_wstring(GetTickCount()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    SetCurrentDirectoryW(std::filesystem::temp_directory_path().c_str());
    std::error_code ec;
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ec))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, ec);
}

std::wstring TempFolder::AddMovie(const std::wstring& name, int frames, double framesPerSecond) {
    swfw::MovieWriter writer(8, {0, 6400, 0, 4800}, framesPerSecond);
    writer.SetBackgroundColor(0x20, 0x40, 0x80);
    for (int i = 0; i < frames; ++i)
        writer.ShowFrame();
    auto bytes = writer.Build(swfw::Compression::Zlib);
    std::ofstream(path_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return (path_ / name).wstring();
}

std::wstring TempFolder::AddFile(const std::wstring& name, DWORD attributes) {
    std::ofstream(path_ / name) << "not a movie";
    SetFileAttributesW((path_ / name).c_str(), attributes);
    return (path_ / name).wstring();
}

std::wstring TempFolder::AddFolder(const std::wstring& name, DWORD attributes) {
    std::filesystem::create_directories(path_ / name);
    SetFileAttributesW((path_ / name).c_str(), attributes);
    return (path_ / name).wstring();
}

} // namespace testing_support
