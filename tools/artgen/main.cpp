// artgen FOLDER: draws every picture and frame strip of the executable and writes them, with the tables
// that embed them in the native and the Windows builds, into FOLDER. The output depends on nothing else.
#include <cstdio>
#include <exception>
#include "Art.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen FOLDER\n");
        return 2;
    }
    try {
        Bundle bundle;
        paintBackdrops(bundle);
        paintLogo(bundle);
        paintFrames(bundle);
        paintMeters(bundle);
        paintDials(bundle);
        paintSlider(bundle);
        paintButtons(bundle);
        bundle.write(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
