// The editor's platform steps: the host's window is moved to keep its restored top-left corner, sized
// to the editor and raised; the editor's child window lives inside it.
#include <windows.h>
#include "app/KW_Main_Vst.h"
#include "app/KW_Main_Vst_Editor.h"
#include "windows/KW_Win_Win32.h"

void KW_Main_Vst_Editor::showIn(void* parent) {
    HWND p = static_cast<HWND>(parent);
    WINDOWPLACEMENT place{};
    place.length = sizeof place;
    if (p && GetWindowPlacement(p, &place))
        SetWindowPos(p, HWND_TOP, place.rcNormalPosition.left, place.rcNormalPosition.top,
                     main.application.width, main.application.height, 0);
    window->hwnd(p);
}

void KW_Main_Vst_Editor::hide() {
    window->hwnd(nullptr);
}
