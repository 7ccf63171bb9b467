// Writes the stored form of the player's bitmap list to the file named on
// the command line; the build embeds it in the program as "MediaBitmaps".
#include "../GeneratorMain.h"
#include "ProgramBitmaps.h"

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, "genbitmaps", [] {
        controls::TMediaBitmapList list;
        genbitmaps::BuildProgramBitmaps(list);
        return list.WriteData();
    });
}
