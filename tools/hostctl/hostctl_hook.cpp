// Loaded into the standalone program by hostctl's window hook: menus belong to the process that made
// them, so the bar is read from inside. On hostctl's message it writes to the file hostctl names either
// every item of the main window's menu bar ("<id> <checked> <greyed> <text>", pop-ups as "[<text>]") or
// what the test ASIO driver loaded in the program counted ("switches <n> starts <n>").
#include <windows.h>
#include <cstdio>
#include "../../tests/audio/driver/TestAsioStats.h"

namespace {

void printMenu(FILE* out, HMENU menu, int depth) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text - 1;
        if (!GetMenuItemInfoA(menu, i, TRUE, &item)) continue;
        if (item.fType & MFT_SEPARATOR) {
            std::fprintf(out, "%*s-\n", 2 * depth, "");
        } else if (item.hSubMenu) {
            std::fprintf(out, "%*s[%s]\n", 2 * depth, "", text);
            printMenu(out, item.hSubMenu, depth + 1);
        } else {
            std::fprintf(out, "%*s%04x %d %d %s\n", 2 * depth, "", item.wID, (item.fState & MFS_CHECKED) ? 1 : 0,
                         (item.fState & MFS_GRAYED) ? 1 : 0, text);
        }
    }
}

void printAsio(FILE* out) {
    HMODULE driver = GetModuleHandleA("kw_test_asio_driver.dll");
    auto stats = driver ? reinterpret_cast<TestAsioStatsFunction>(
                              reinterpret_cast<void*>(GetProcAddress(driver, "testAsioStats")))
                        : nullptr;
    if (stats) std::fprintf(out, "switches %d starts %d\n", stats()->switches.load(), stats()->starts.load());
}

}  // namespace

// wParam of the message: the atom of the output file's name; lParam: 0 the menu, 1 the ASIO counts.
extern "C" __declspec(dllexport) LRESULT CALLBACK hostctl_hook(int code, WPARAM w, LPARAM l) {
    auto* call = reinterpret_cast<CWPSTRUCT*>(l);
    if (code == HC_ACTION && call->message == RegisterWindowMessageA("hostctl_menu")) {
        char path[MAX_PATH] = {};
        if (GlobalGetAtomNameA(static_cast<ATOM>(call->wParam), path, sizeof path)) {
            if (FILE* out = std::fopen(path, "w")) {
                if (call->lParam == 1)
                    printAsio(out);
                else
                    printMenu(out, GetMenu(call->hwnd), 0);
                std::fclose(out);
            }
        }
    }
    return CallNextHookEx(nullptr, code, w, l);
}
