// The standalone program's entry.
#include <windows.h>
#include "core/KW_command.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    KW_initall();
    return 0;
}
