// Writes the intro movie to the file named on the command line; the build
// puts it beside the program as "intro-1.swf".
#include "IntroMovie.h"

#include <cstdio>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: genintro OUTPUT\n";
        return 2;
    }
    auto movie = genintro::BuildIntroMovie();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(movie.data()), static_cast<std::streamsize>(movie.size()));
    out.close();
    if (!out) {
        std::cerr << "genintro: cannot write " << argv[1] << "\n";
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
