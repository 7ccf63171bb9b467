#pragma once

// The main() of a build-time generator: writes what `build` makes to the
// file named on the command line, and leaves no half-written file behind.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <vector>

template <class Build> int RunGenerator(int argc, char** argv, const char* name, Build build) {
    if (argc != 2) {
        std::cerr << "usage: " << name << " OUTPUT\n";
        return 2;
    }
    std::vector<uint8_t> bytes = build();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << name << ": cannot write " << argv[1] << "\n";
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
