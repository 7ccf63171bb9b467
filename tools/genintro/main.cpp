// Writes the intro movie to the file named on the command line; the build
// puts it beside the program as "intro-1.swf".
#include "../GeneratorMain.h"
#include "IntroMovie.h"

int main(int argc, char** argv) { return RunGenerator(argc, argv, "genintro", genintro::BuildIntroMovie); }
