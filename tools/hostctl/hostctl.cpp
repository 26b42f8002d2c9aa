// Drives the running standalone program as a user would: menu commands by the same WM_COMMAND a click
// sends, menu texts and marks read back, the "ERROR" box read and dismissed, the window closed.
// Every argument is one step, run in order; the program stops at the first step that fails.
//   wait               the main window is there (20 s)
//   menu               prints every item: "<id> <checked> <greyed> <text>", pop-ups as "[<text>]"
//   asio               prints what the test ASIO driver in the program counted: "switches <n> starts <n>"
//   cmd ID             sends the menu command ID (hexadecimal) and waits until it is done
//   post ID            posts it, for a command that shows a box
//   title | geometry   prints the title | the window's position and client size
//   box                waits for an "ERROR" box (20 s), then prints and dismisses every one that shows
//                      until none has come for 1.5 s (one failure may be reported at several levels)
//   nobox              no "ERROR" box is shown
//   click X Y          presses and releases the left button at X, Y of the window's client area, through
//                      the system's input queue as a pointer does
//   sleep MS
//   close              asks the window to close and waits until the process has ended (10 s)
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND mainWindow;

HWND findWithin(const char* cls, const char* title, int ms) {
    for (int waited = 0;; waited += 50) {
        HWND w = FindWindowA(cls, title);
        if (w || waited >= ms) return w;
        Sleep(50);
    }
}

// Menus live in the process that made them: the hook library reads them, or the test ASIO driver's
// counts (what 1), from inside.
bool query(LPARAM what) {
    HMODULE library = LoadLibraryA("hostctl_hook.dll");
    auto proc = library ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, "hostctl_hook"))) : nullptr;
    DWORD thread = GetWindowThreadProcessId(mainWindow, nullptr);
    HHOOK hook = proc ? SetWindowsHookExA(WH_CALLWNDPROC, proc, library, thread) : nullptr;
    if (!hook) return std::fprintf(stderr, "hostctl: no hook library\n"), false;
    char path[MAX_PATH], dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    GetTempFileNameA(dir, "hcm", 0, path);
    ATOM name = GlobalAddAtomA(path);
    SendMessageA(mainWindow, RegisterWindowMessageA("hostctl_menu"), name, what);
    UnhookWindowsHookEx(hook);
    GlobalDeleteAtom(name);
    FILE* in = std::fopen(path, "r");
    char line[256];
    bool any = false;
    while (in && std::fgets(line, sizeof line, in)) any = std::fputs(line, stdout) >= 0;
    if (in) std::fclose(in);
    DeleteFileA(path);
    return any;
}

BOOL CALLBACK printText(HWND child, LPARAM) {
    char cls[32] = {}, text[512] = {};
    GetClassNameA(child, cls, sizeof cls);
    GetWindowTextA(child, text, sizeof text);
    if (_stricmp(cls, "Static") == 0 && *text) std::printf("%s\n", text);
    return TRUE;
}

void pointer(POINT at, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG(at.x * 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
    input.mi.dy = LONG(at.y * 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    SendInput(1, &input, sizeof input);
    Sleep(100);
}

bool click(int x, int y) {
    POINT at{x, y};
    ClientToScreen(mainWindow, &at);
    SetForegroundWindow(mainWindow);
    // Coming from elsewhere, as a hand does: a window that the pointer already rests on may see no move.
    pointer(POINT{at.x + 60, at.y + 60}, 0);
    pointer(at, 0);
    pointer(at, MOUSEEVENTF_LEFTDOWN);
    pointer(at, MOUSEEVENTF_LEFTUP);
    return true;
}

bool closeAndWait() {
    DWORD pid = 0;
    GetWindowThreadProcessId(mainWindow, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    if (!process) return !IsWindow(mainWindow);
    DWORD got = WaitForSingleObject(process, 10000);
    CloseHandle(process);
    return got == WAIT_OBJECT_0;
}

bool step(char**& arg, char** end) {
    const char* name = *arg++;
    auto next = [&]() -> const char* { return arg < end ? *arg++ : "0"; };
    if (!std::strcmp(name, "wait")) return (mainWindow = findWithin("KWWINDOW", nullptr, 20000)) != nullptr;
    if (!std::strcmp(name, "sleep")) return Sleep(std::atoi(next())), true;
    if (!std::strcmp(name, "nobox")) return !findWithin("#32770", "ERROR", 0);
    if (!std::strcmp(name, "box")) {
        int boxes = 0;
        for (HWND box; (box = findWithin("#32770", "ERROR", boxes ? 1500 : 20000)) != nullptr; ++boxes) {
            EnumChildWindows(box, printText, 0);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            for (int waited = 0; IsWindow(box) && waited < 5000; waited += 50) Sleep(50);
            if (IsWindow(box)) return false;
        }
        return boxes > 0;
    }
    if (!mainWindow) return std::fprintf(stderr, "hostctl: no window (wait first)\n"), false;
    if (!std::strcmp(name, "menu")) return query(0);
    if (!std::strcmp(name, "asio")) return query(1);
    if (!std::strcmp(name, "cmd") || !std::strcmp(name, "post")) {
        WPARAM id = MAKEWPARAM(std::strtol(next(), nullptr, 16), 0);
        if (*name == 'c') return SendMessageA(mainWindow, WM_COMMAND, id, 0), true;
        return PostMessageA(mainWindow, WM_COMMAND, id, 0) != 0;
    }
    if (!std::strcmp(name, "title")) {
        char text[128] = {};
        GetWindowTextA(mainWindow, text, sizeof text);
        return std::printf("%s\n", text), true;
    }
    if (!std::strcmp(name, "geometry")) {
        RECT window, client;
        GetWindowRect(mainWindow, &window);
        GetClientRect(mainWindow, &client);
        return std::printf("at %ld %ld client %ld x %ld\n", window.left, window.top, client.right, client.bottom), true;
    }
    if (!std::strcmp(name, "click")) {
        int x = std::atoi(next());
        return click(x, std::atoi(next()));
    }
    if (!std::strcmp(name, "close")) return closeAndWait();
    std::fprintf(stderr, "hostctl: unknown step %s\n", name);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    char** end = argv + argc;
    for (char** arg = argv + 1; arg < end;) {
        const char* name = *arg;
        if (!step(arg, end)) return std::fprintf(stderr, "hostctl: step %s failed\n", name), 1;
        std::fflush(stdout);
    }
    return 0;
}
