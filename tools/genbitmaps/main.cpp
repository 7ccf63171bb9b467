// Writes the stored form of the player's bitmap list to the file named on
// the command line; the build embeds it in the program as "MediaBitmaps".
#include "ProgramBitmaps.h"

#include <cstdio>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: genbitmaps OUTPUT\n";
        return 2;
    }
    controls::TMediaBitmapList list;
    genbitmaps::BuildProgramBitmaps(list);
    auto block = list.WriteData();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
    out.close();
    if (!out) {
        std::cerr << "genbitmaps: cannot write " << argv[1] << "\n";
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
