// Writes the fuzzer's seed movies into a folder.
#include "SeedMovies.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: swfseeds FOLDER\n";
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    for (const auto& [name, bytes] : tools::SeedMovies()) {
        std::ofstream out(std::filesystem::path(argv[1]) / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    return 0;
}
