// The standalone program's entry.
#include "KW_Host.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return KW_Host::run(instance);
}
