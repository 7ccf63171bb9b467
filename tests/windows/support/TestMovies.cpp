#include "TestMovies.h"

#include "swfwriter/SwfWriter.h"

#include <fstream>

namespace testing_support {

TempMovie::TempMovie(const std::wstring& name, int frames, double framesPerSecond) {
    auto folder = std::filesystem::temp_directory_path() / L"kfp tests";
    std::filesystem::create_directories(folder);
    path_ = folder / name;
    swfw::MovieWriter writer(8, {0, 6400, 0, 4800}, framesPerSecond);
    writer.SetBackgroundColor(0x20, 0x40, 0x80);
    for (int i = 0; i < frames; ++i)
        writer.ShowFrame();
    auto bytes = writer.Build(swfw::Compression::Zlib);
    std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

TempMovie::~TempMovie() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
}

} // namespace testing_support
